#include "reports/action_printer.h"

#include <algorithm>

#include "core/text.h"
#include "core/text_encoding.h"
#include "reports/action_record.h"

namespace mora {

namespace {

bool startsName(char c) { return isAsciiAlpha(c) || c == '_' || c == '$' || c == '%' || c == ':'; }

class Printer {
 public:
  Printer(const ActionConfig& config, const ActionOutput& out) : config_(config), out_(out) {}

  void record(const ActionRecord& r);
  void finish() {
    line_ += '\n';
    emit();
  }

 private:
  void drawRecord(const ActionRecord& r);
  void drawPart(const ActionRecord& r, std::string_view part, bool firstPart);
  void emit() {
    if (!line_.empty()) out_.text(line_);
    line_.clear();
  }

  const ActionConfig& config_;
  const ActionOutput& out_;
  std::string line_;  // text not yet handed to the output path
  std::string text_;
  bool started_ = false;
};

void Printer::record(const ActionRecord& r) {
  if (r.kind == kActionSpace) {
    line_ += '\n';
  } else {
    // A continuation record goes on the line before it.
    if (started_ && r.kind != kActionContinue) line_ += '\n';
    started_ = true;
    if (r.level <= config_.printLevel) drawRecord(r);
    if (out_.html && r.kind == kActionEndBlock && r.nest == 0) {
      emit();
      out_.tag("HR", false);
    }
  }
  emit();
}

void Printer::drawRecord(const ActionRecord& r) {
  text_.assign(r.first);
  text_ += "  ";
  text_ += r.second;
  text_ += "  ";
  std::string_view rest = text_;
  bool firstPart = true;
  for (;;) {
    std::size_t lf = rest.find('\n');
    drawPart(r, rest.substr(0, lf), firstPart);
    if (lf == std::string_view::npos) break;
    line_ += '\n';
    rest.remove_prefix(lf + 1);
    firstPart = false;
  }
}

void Printer::drawPart(const ActionRecord& r, std::string_view part, bool firstPart) {
  if (out_.html && firstPart && r.nest == 0 && r.kind == kActionBeginBlock) {
    emit();
    out_.anchor(actionAnchorName(part));
  }
  // Next to UTF-8 text the line pieces take their UTF-8 form even in
  // Shift-JIS output, so that the line reads in one encoding.
  bool utf8Line = outputEncoding() == TextEncoding::ShiftJis && measuredAsUtf8(part);
  auto put = [&](std::string_view piece) {
    if (utf8Line) {
      line_ += utf8PieceText(piece);
    } else {
      line_ += piece;
    }
  };
  for (long i = std::min(r.nest, kActionDrawDepthMax); i > 0; --i) put(config_.tab);
  if (const ActionDefinition* def = config_.find(r.kind))
    put(firstPart ? def->first : def->continuation);
  line_ += part;
}

}  // namespace

std::string actionAnchorName(std::string_view text) {
  text = text.substr(0, text.find_first_of("();\n"));
  std::size_t pos = 0;
  while ((pos = text.find_first_of(" \t", pos)) != std::string_view::npos) {
    std::size_t next = text.find_first_not_of(" \t", pos);
    if (next == std::string_view::npos || !startsName(text[next]))
      return std::string(text.substr(0, pos));
    text.remove_prefix(next);
    pos = 0;
  }
  return std::string(text);
}

void printActionDiagram(std::istream& records, const ActionConfig& config,
                        const ActionOutput& out) {
  if (out.html) {
    out.tag("HR", false);
    out.tag("PRE", false);
  }
  Printer printer(config, out);
  ActionRecordReader reader(records, config.separatorByte(), config.recordEndByte());
  ActionRecord record;
  while (reader.next(record)) {
    if (out.poll) out.poll();
    printer.record(record);
  }
  printer.finish();
  if (out.html) out.tag("PRE", true);
}

}  // namespace mora
