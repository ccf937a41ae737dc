#include "core/show.h"

#include <array>
#include <optional>

#include "core/engine.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

// A line's value, or std::nullopt when the line is left out.
using ShowValue = std::optional<std::string> (*)(const Engine&);

struct ShowLine {
  std::string_view label;  // padded to the colon
  ShowValue value;
};

std::string onOff(bool on) { return on ? "ON" : "OFF"; }

template <bool EngineSettings::*flag>
std::optional<std::string> flagValue(const Engine& e) {
  return onOff(e.settings.*flag);
}

constexpr std::array kShowLines = {
    ShowLine{"Import/Export/Delete Mode: ",
             [](const Engine& e) -> std::optional<std::string> {
               return e.settings.mode == LibraryMode::Function ? "Function" : "Prototype";
             }},
    ShowLine{"ECHO                     : ", flagValue<&EngineSettings::echo>},
    ShowLine{"ERROR                    : ", flagValue<&EngineSettings::error>},
    ShowLine{"WARNING                  : ", flagValue<&EngineSettings::warning>},
    ShowLine{"ADD Header When Export   : ", flagValue<&EngineSettings::exportHead>},
    ShowLine{"Func-name with File-name : ", flagValue<&EngineSettings::withFile>},
    ShowLine{"Func-name with Positon   : ", flagValue<&EngineSettings::withPosition>},
    ShowLine{"Code-Store in Buffer     : ", flagValue<&EngineSettings::codeStore>},
    ShowLine{"Check Braces(C Func-TREE): ", flagValue<&EngineSettings::braces>},
    ShowLine{"Print Fullpath           : ", flagValue<&EngineSettings::fullpath>},
    ShowLine{"HTML Mode                : ", flagValue<&EngineSettings::html>},
    ShowLine{"HTML Mode (Filter)       : ", flagValue<&EngineSettings::htmlFilter>},
    ShowLine{"Ifdef Check Mode         : ", flagValue<&EngineSettings::ifdef>},
    ShowLine{"Find case-sensitive      : ", flagValue<&EngineSettings::caseSensitive>},
    ShowLine{"SYSDT Library File       : ",
             [](const Engine& e) -> std::optional<std::string> { return e.settings.sysdt; }},
    ShowLine{"Target Language          : ",
             [](const Engine& e) -> std::optional<std::string> {
               return std::string(languageInfo(e.settings.language).showName);
             }},
    ShowLine{"Directory Mask           : ",
             [](const Engine& e) -> std::optional<std::string> { return e.settings.dirmask; }},
    // Statement continuation only concerns the C/C++ scanner.
    ShowLine{"C Nextline Continue      : ",
             [](const Engine& e) -> std::optional<std::string> {
               if (e.settings.language != ScanLanguage::C) return std::nullopt;
               return onOff(e.settings.continueLines);
             }},
    ShowLine{"Output File              : ",
             [](const Engine& e) -> std::optional<std::string> { return e.settings.output; }},
    ShowLine{"Display Line Type        : ",
             [](const Engine& e) -> std::optional<std::string> {
               return e.settings.line == LineStyle::Ascii ? "ASCII" : "JIS";
             }},
    ShowLine{"Step Count               : ",
             [](const Engine& e) -> std::optional<std::string> {
               return e.settings.count == CountUnit::Function ? "Function" : "File";
             }},
    ShowLine{"Tree File-Position       : ",
             [](const Engine& e)
                 -> std::optional<std::string> { return std::to_string(e.settings.filepos); }},
    ShowLine{"SPOOL                    : ",
             [](const Engine& e)
                 -> std::optional<std::string> { return onOff(e.out.spool != nullptr); }},
    ShowLine{"              SpoolFile  : ",
             [](const Engine& e) -> std::
                                     optional<std::string> {
                                       if (!e.out.spool) return std::nullopt;
                                       return e.out.spoolName;
                                     }},
    ShowLine{"COMMAND TRACE            : ",
             [](const Engine& e) -> std::optional<std::string> { return onOff(e.settings.trace); }},
};

}  // namespace

void showSettings(Engine& e) {
  for (const ShowLine& line : kShowLines) {
    if (auto value = line.value(e)) printIfEcho(e, std::string(line.label) + *value + "\n");
  }
  printIfEcho(e, "\n");
}

}  // namespace mora
