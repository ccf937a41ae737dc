#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/engine.h"
#include "core/platform.h"
#include "core/variables.h"

namespace mora::testing {

namespace {

RunResult runEngine(Platform& platform, const std::string& programPath,
                    const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Engine engine(platform, in, out, err);
  std::vector<std::string> argv{programPath};
  argv.insert(argv.end(), args.begin(), args.end());
  RunResult r;
  r.code = engine.run(argv) & 0xFF;
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace

RunResult runMora(const std::vector<std::string>& args, const std::string& input) {
  auto platform = makeMemoryPlatform();
  return runMoraOn(*platform, args, input);
}

RunResult runMoraAs(const std::string& programPath, const std::vector<std::string>& args,
                    const std::string& input) {
  auto platform = makePosixPlatform();
  return runEngine(*platform, programPath, args, input);
}

RunResult runMoraOn(Platform& platform, const std::vector<std::string>& args,
                    const std::string& input) {
  std::string programPath = dynamic_cast<MemoryPlatform*>(&platform)
                                ? std::string(kMemoryProgramDirectory) + "/mora"
                                : std::string(MORA_PROGRAM_DIR) + "/mora";
  return runEngine(platform, programPath, args, input);
}

std::unique_ptr<MemoryPlatform> makeMemoryPlatform() {
  auto platform = std::make_unique<MemoryPlatform>();
  for (const char* data : {"/mora.msg", "/mora.hl"}) {
    std::string path = std::string(MORA_PROGRAM_DIR) + data;
    if (!platform->copyFromHost(path, std::string(kMemoryProgramDirectory) + data))
      ADD_FAILURE() << "cannot read " << path;
  }
  return platform;
}

std::string messageCodes(const std::string& err) {
  std::string result;
  for (std::size_t at = err.find("FIE"); at != std::string::npos; at = err.find("FIE", at + 7)) {
    if (!result.empty()) result += ' ';
    result += err.substr(at, 7);
  }
  return result;
}

TestEngine::TestEngine(const std::string& input) : TestEngine(makePosixPlatform(), input) {}

TestEngine::TestEngine(std::unique_ptr<Platform> platform_, const std::string& input)
    : platform(std::move(platform_)),
      inStream(input),
      engine(*platform, inStream, outStream, errStream) {
  configure(*platform);
}

TestEngine::TestEngine(Platform& shared, const std::string& input)
    : inStream(input), engine(shared, inStream, outStream, errStream) {
  configure(shared);
}

void TestEngine::configure(Platform& on) {
  std::string dir = dynamic_cast<MemoryPlatform*>(&on) ? kMemoryProgramDirectory : MORA_PROGRAM_DIR;
  engine.settings.cataloguePath = dir + "/mora.msg";
  engine.settings.helpPath = dir + "/mora.hl";
  definePredefinedVariables(engine);
}

RunResult runScriptOn(MemoryPlatform& platform, const std::string& script,
                      const std::vector<std::string>& extraArgs) {
  platform.addFile("script.mora", script);
  std::vector<std::string> args{"-vd1", "-nd", "-nh"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  args.push_back("-f");
  args.push_back("script.mora");
  return runMoraOn(platform, args);
}

RunResult runScript(const std::string& script, const std::vector<std::string>& extraArgs) {
  auto platform = makeMemoryPlatform();
  return runScriptOn(*platform, script, extraArgs);
}

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mora-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  path_ = made ? made : "";
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

void ScratchDir::write(const std::string& name, const std::string& content) const {
  std::ofstream(path_ + "/" + name, std::ios::binary) << content;
}

std::string ScratchDir::read(const std::string& name) const {
  std::ifstream in(path_ + "/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace mora::testing
