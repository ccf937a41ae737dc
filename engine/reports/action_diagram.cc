#include "reports/action_diagram.h"

#include <cstdio>
#include <istream>
#include <memory>
#include <optional>

#include "core/engine.h"
#include "core/html_writers.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/platform/paths.h"
#include "core/temporary_files.h"
#include "reports/action_printer.h"
#include "reports/action_record.h"
#include "reports/c_action_walker.h"
#include "reports/line_action_walker.h"

namespace mora {

namespace {

// The debug-kept intermediate file at `name`, removed when the name still
// holds that very file; anything else that took the name stays.
void removeKeptIntermediate(Engine& e, const std::string& name) {
  ActionState& a = e.action;
  if (a.keptIntermediate.empty() || absolutePath(e, name) != a.keptIntermediate) return;
  auto now = e.platform.fileStatus(a.keptIntermediate, false);
  if (now && now->regular && now->sameFile(a.keptIdentity))
    e.platform.removeFile(a.keptIntermediate);
  a.keptIntermediate.clear();
}

// The intermediate file: one of the engine's temporary files, created
// exclusively (an existing file or link of that name is never written
// through) and removed on every way out unless debug keeps it; a kept file
// is the user's from then on.
class IntermediateFile {
 public:
  IntermediateFile(Engine& e, std::string name) : e_(e), name_(std::move(name)) {
    removeKeptIntermediate(e_, name_);
    writer_ = createTemporaryFile(e_, name_);
    if (writer_) identity_ = writer_->status();
  }
  ~IntermediateFile() {
    writer_.reset();
    if (identity_ && !kept_) removeTemporaryFile(e_, name_);
  }
  IntermediateFile(const IntermediateFile&) = delete;
  IntermediateFile& operator=(const IntermediateFile&) = delete;

  bool created() const { return identity_.has_value(); }
  const std::string& name() const { return name_; }
  bool write(std::string_view bytes) {
    writer_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return !writer_->fail();
  }
  bool close() {
    bool ok = writer_->closeFile();
    writer_.reset();
    return ok;
  }
  void keep() {
    kept_ = true;
    forgetTemporaryFile(e_, name_);
    e_.action.keptIntermediate = absolutePath(e_, name_);
    e_.action.keptIdentity = *identity_;
  }

 private:
  Engine& e_;
  std::string name_;
  std::unique_ptr<FileWriter> writer_;
  std::optional<FileStatus> identity_;
  bool kept_ = false;
};

using StructureStage = void (*)(std::istream&, ActionRecordWriter&);

struct LanguageStage {
  ScanLanguage language;
  StructureStage stage;
};

// The line-based stages; every other language is drawn by the C stage.
constexpr LanguageStage kLineStages[] = {
    {ScanLanguage::Basic, walkBasicActions},
    {ScanLanguage::Pascal, walkPascalActions},
};

StructureStage structureStage(ScanLanguage language) {
  for (const LanguageStage& s : kLineStages)
    if (s.language == language) return s.stage;
  return walkCActions;
}

// Reads "actprt.ini" from the current directory, or the built-in set of the
// line setting when there is none.
bool loadConfiguration(Engine& e) {
  std::string name(kActionConfigFile);
  std::unique_ptr<std::iostream> file;
  if (e.platform.exists(name) && !e.platform.isDirectory(name))
    file = e.platform.openStream(name, std::ios::in | std::ios::binary);
  return loadActionConfig(e.action.config, file.get(), e.settings.line, name, *e.out.stdErr);
}

ActionOutput engineOutput(Engine& e) {
  ActionOutput out;
  out.text = [&e](std::string_view text) { printOutput(e, outputStream(e), text); };
  out.html = e.settings.html;
  out.tag = [&e](std::string_view tag, bool close) {
    if (close) {
      writeCloseTag(&outputStream(e), tag, true);
    } else {
      if (tag == "PRE") writeCharsetDeclaration(&outputStream(e));
      writeOpenTag(&outputStream(e), tag, true);
    }
  };
  out.anchor = [&e](std::string_view name) {
    writeAnchor(&outputStream(e), name);
    writeLink(e.out.index.get(), e.settings.output, name);
  };
  out.poll = [&e] { e.checkInterrupt(); };
  return out;
}

bool failWith(Engine& e, const std::string& name) {
  raiseMessage(e, "FIES001", name);
  return false;
}

// A file that opened but could not be read to its end fails the report.
bool failReading(Engine& e, const std::string& name) {
  raiseMessage(e, "FIEC010", name);
  return false;
}

}  // namespace

std::string intermediateFileName(std::string_view textFile) {
  std::size_t dot = textFile.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart(textFile))
    return std::string(textFile) + ".pot";
  return std::string(textFile.substr(0, dot + 1)) + "pot";
}

bool drawActionDiagram(Engine& e, const std::string& textFile) {
  ActionRun run;
  return drawActionDiagram(e, textFile, run);
}

bool drawActionDiagram(Engine& e, const std::string& textFile, ActionRun& run) {
  auto text = e.platform.openStream(textFile, std::ios::in | std::ios::binary);
  if (!text || !*text) return failWith(e, textFile);
  IntermediateFile pot(e, intermediateFileName(textFile));
  if (!pot.created()) return failWith(e, pot.name());

  ActionRecordWriter writer([&pot](std::string_view bytes) { return pot.write(bytes); });
  structureStage(e.settings.language)(*text, writer);
  if (text->bad()) return failReading(e, textFile);
  text.reset();
  bool written = writer.finish();
  if (!pot.close() || !written) return failWith(e, pot.name());
  e.checkInterrupt();

  if (!run.configured) {
    if (!loadConfiguration(e)) return false;
    run.configured = true;
  }
  auto records = e.platform.openStream(pot.name(), std::ios::in | std::ios::binary);
  if (!records || !*records) return failWith(e, pot.name());
  printActionDiagram(*records, e.action.config, engineOutput(e));
  if (records->bad()) return failReading(e, pot.name());
  if (e.settings.debug) pot.keep();
  return true;
}

}  // namespace mora
