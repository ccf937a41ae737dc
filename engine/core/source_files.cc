#include "core/source_files.h"

#include "core/engine.h"
#include "core/output.h"
#include "core/platform.h"
#include "core/staging.h"

namespace mora {

namespace {

// A file opened for writing through the staging opener; closing it lets the
// staging copies catch up, so later reads see what was written.
class StagedOutput : public std::ostream {
 public:
  StagedOutput(Engine& e, const std::string& name, std::unique_ptr<std::iostream> file)
      : std::ostream(file->rdbuf()), e_(e), name_(name), file_(std::move(file)) {}
  ~StagedOutput() override {
    flush();
    file_.reset();
    finishWrite(e_, name_);
  }

 private:
  Engine& e_;
  std::string name_;
  std::unique_ptr<std::iostream> file_;
};

std::unique_ptr<std::ostream> openOutput(Engine& e, const std::string& name,
                                         std::ios::openmode mode) {
  auto file =
      e.platform.openStream(openPathForWrite(e, name), std::ios::out | mode | kTextWriteMode);
  if (!file) return nullptr;
  return std::make_unique<StagedOutput>(e, name, std::move(file));
}

}  // namespace

std::unique_ptr<std::istream> openForReading(Engine& e, const std::string& name) {
  flushOutputIfDue(e);  // each scanned file: a long scan still shows its progress
  // A directory is refused: reading one throws from the stream buffer.
  return e.platform.openInput(openPathForRead(e, name));
}

std::unique_ptr<std::ostream> openForAppending(Engine& e, const std::string& name) {
  return openOutput(e, name, std::ios::app);
}

std::unique_ptr<std::ostream> openForWriting(Engine& e, const std::string& name) {
  return openOutput(e, name, std::ios::out | std::ios::trunc);
}

bool registerForChange(Engine& e, const std::string& name) { return registerStagedFile(e, name); }

}  // namespace mora
