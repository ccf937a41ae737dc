// Writes the texts of the functions selected in one source file: to the
// library file as marked blocks, to a work file without markers, or to the
// current output.
#pragma once

#include <ostream>
#include <string>

#include "analysis/function_database.h"
#include "core/settings.h"

namespace mora {

class Engine;

// Scans `sourceFile` in the text scan mode of `mode` and writes each selected
// function, renamed where its pattern says so. An empty `outputFile` means
// the current output (lines alone); otherwise the file is appended to, with
// begin and end lines unless `markers` is false. kScanOk, or the scan error
// (source, output or memory).
[[nodiscard]] ScanError writeFunctionTexts(Engine& e, const std::string& sourceFile,
                                           const std::string& outputFile,
                                           const FunctionPatternList& patterns, LibraryMode mode,
                                           bool markers);
// The same, written to the open file `file`.
[[nodiscard]] ScanError writeFunctionTexts(Engine& e, const std::string& sourceFile,
                                           std::ostream& file, const FunctionPatternList& patterns,
                                           LibraryMode mode, bool markers);

// Replaces every occurrence of `from` by `to`, left to right; true when
// anything changed.
bool replaceAll(std::string& line, std::string_view from, std::string_view to);

}  // namespace mora
