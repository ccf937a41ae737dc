#include "reports/line_action_walker.h"

#include <string>
#include <string_view>

#include "analysis/basic_scanner.h"
#include "analysis/pascal_scanner.h"
#include "core/limits.h"
#include "core/piece_reader.h"
#include "core/text.h"
#include "reports/line_action_classifier.h"

namespace mora {

namespace {

// Removes a line's comments with the rules of its language; Pascal comments
// may run over several lines.
class CommentStripper {
 public:
  explicit CommentStripper(LineLanguage language) : language_(language) {}
  // True when the line held a comment.
  bool strip(std::string_view line, std::string& out) {
    if (language_ == LineLanguage::Basic) return stripBasicLine(line, out);
    return stripPascalLine(line, inComment_, commentKind_, out);
  }

 private:
  LineLanguage language_;
  bool inComment_ = false;
  int commentKind_ = 0;
};

// The line as read, without its leading blanks and tabs and its line feed.
std::string_view shownText(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  return skipBlanks(line);
}

long outer(long nest) { return nest > 0 ? nest - 1 : 0; }

// Writes the records of one line at `nest`; returns the nest that follows it.
long writeLine(ActionRecordWriter& out, const LineAction& action, long nest,
               std::string_view text) {
  switch (action.move) {
    case NestMove::Statement:
      out.write(action.kind, kActionStatementLevel, nest, text, {});
      return nest;
    case NestMove::Open:
      out.write(action.kind, kActionStructureLevel, nest, text, {});
      return nest + 1;
    case NestMove::OneLine:
      out.write(action.kind, kActionStructureLevel, nest, text, {});
      out.write(kActionEndBlock, kActionStructureLevel, nest, {}, {});
      return nest;
    case NestMove::Branch:
      out.write(action.kind, kActionStructureLevel, outer(nest), text, {});
      return nest;
    case NestMove::Close:
      out.write(action.kind, kActionStructureLevel, outer(nest), text, {});
      return outer(nest);
  }
  return nest;
}

void walkLines(std::istream& in, ActionRecordWriter& out, LineLanguage language) {
  static constexpr LineAction kCommentLine{kActionNormal, NestMove::Statement};
  PieceReader reader(in, kActionSourceLineMax);
  CommentStripper stripper(language);
  std::string stripped;
  long nest = 0;
  for (std::string_view line; reader.next(line);) {
    bool comment = stripper.strip(line, stripped);
    if (stripped.empty() && !comment) continue;
    LineAction action = stripped.empty() ? kCommentLine : classifyActionLine(stripped, language);
    nest = writeLine(out, action, nest, shownText(line));
  }
}

}  // namespace

void walkBasicActions(std::istream& in, ActionRecordWriter& out) {
  walkLines(in, out, LineLanguage::Basic);
}

void walkPascalActions(std::istream& in, ActionRecordWriter& out) {
  walkLines(in, out, LineLanguage::Pascal);
}

}  // namespace mora
