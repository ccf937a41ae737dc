// libFuzzer target for the language scanners. The first byte chooses the
// language and the scan mode; the rest is written to a source file and
// scanned. Checks that every line is counted exactly once, that every
// function lies within the lines read and that call lists name each callee once. Basic and Pascal
// text is also walked by the line-based action stage, whose records must read back with each nest
// within the number of lines walked. With bit 0x40 of the first byte the text
// is mixed UTF-8 (utf8_mix.h); when that is valid UTF-8, no recorded entry may
// hold a multi-byte character cut in two, nor may an action record.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "analysis/function_database.h"
#include "analysis/function_scan.h"
#include "core/engine.h"
#include "core/limits.h"
#include "reports/action_record.h"
#include "reports/line_action_walker.h"
#include "sandbox_platform.h"
#include "utf8_mix.h"

namespace {

struct FuzzEngine {
  FuzzEngine() : e(platform, in, out, err) {
    char dir[] = "/tmp/mora-scan-fuzz-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::abort();
    e.settings.error = false;
  }
  mora::fuzz::SandboxPlatform platform;
  std::istringstream in;
  std::ostringstream out, err;
  mora::Engine e;
};

constexpr std::array<mora::ScanLanguage, 3> kLanguages = {
    mora::ScanLanguage::C, mora::ScanLanguage::Basic, mora::ScanLanguage::Pascal};
constexpr std::array<mora::ScanMode, 5> kModes = {
    mora::ScanMode::FunctionText, mora::ScanMode::NamesOnly, mora::ScanMode::CallLists,
    mora::ScanMode::PrototypeText, mora::ScanMode::StepCount};

// Lines short enough that no piece limit cuts a character.
bool linesAreShort(const std::string& text) {
  std::size_t run = 0;
  for (char c : text) {
    run = c == '\n' ? 0 : run + 1;
    if (run >= 255) return false;
  }
  return true;
}

bool distinct(std::span<const std::string_view> names) {
  std::unordered_set<std::string_view> seen;
  for (std::string_view name : names)
    if (!seen.insert(name).second) return false;
  return true;
}

long physicalLines(const std::string& text) {
  long lines = 0;
  for (char c : text) lines += c == '\n';
  return lines + (!text.empty() && text.back() != '\n');
}

// Walks `text` with the action stage of `language` and checks its records.
void walkLineActions(mora::ScanLanguage language, const std::string& text) {
  std::string records;
  mora::ActionRecordWriter writer([&records](std::string_view bytes) {
    records.append(bytes);
    return true;
  });
  std::istringstream in(text);
  if (language == mora::ScanLanguage::Basic) {
    mora::walkBasicActions(in, writer);
  } else {
    mora::walkPascalActions(in, writer);
  }
  if (!writer.finish()) std::abort();
  std::istringstream back(records);
  mora::ActionRecordReader reader(back, mora::kActionFieldSeparator, mora::kActionRecordEnd);
  long count = 0;
  long pieces = static_cast<long>(text.size() / mora::kActionSourceLineMax) + physicalLines(text);
  for (mora::ActionRecord r; reader.next(r); ++count) {
    if (r.level < 0 || r.level > 1 || r.nest < 0 || r.nest > pieces) std::abort();
  }
  // One record per line, two for a one-line "If": never more.
  if (count > 2 * pieces) std::abort();
  // Records of valid UTF-8 text keep its characters whole.
  if (mora::fuzz::isValidUtf8(text) && linesAreShort(text) && !mora::fuzz::isValidUtf8(records))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzEngine f;
  if (size == 0) return 0;
  mora::Engine& e = f.e;
  e.settings.language = kLanguages[data[0] % kLanguages.size()];
  mora::ScanMode mode = kModes[(data[0] / kLanguages.size()) % kModes.size()];
  e.settings.withPosition = data[0] & 0x80;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (data[0] & 0x40) text = mora::fuzz::mixUtf8(text);
  {
    std::ofstream file("input.src", std::ios::binary | std::ios::trunc);
    file << text;
  }
  if (e.settings.language != mora::ScanLanguage::C) walkLineActions(e.settings.language, text);
  mora::FunctionScan scan(e, mode, {{"*"}});
  if (!scan.scanFile("input.src")) return 0;
  if (mode == mora::ScanMode::StepCount) {
    const mora::LineCounters& c = scan.fileCounts();
    if (c.total != c.code + c.comment + c.blank) std::abort();
    // Lines longer than the reader's piece are counted once per piece.
    if (c.total < physicalLines(text)) std::abort();
  }
  for (const mora::FunctionRecord& r : scan.records()) {
    // A function starts on a line of the file and ends at or after it.
    if (r.line < 1 || r.line > r.fileLines) std::abort();
    if (mode == mora::ScanMode::CallLists && !distinct(r.calls)) std::abort();
  }
  if (mora::fuzz::isValidUtf8(text) && linesAreShort(text))
    for (const mora::FunctionRecord& r : scan.records())
      if (!mora::fuzz::isValidUtf8(mora::entryText(e.settings, r))) std::abort();
  return 0;
}
