#include "analysis/function_database.h"

#include "core/engine.h"
#include "core/platform/paths.h"
#include "core/text.h"
#include "core/wildcard.h"

namespace mora {

std::string entryText(const EngineSettings& settings, const FunctionRecord& record) {
  const char* name = record.name.c_str();
  std::string text;
  if (settings.withFile) {
    text = format("%s [%s] ", name, displayFileName(settings, record.file).c_str());
  } else if (settings.withPosition) {
    text =
        format("%s [%s] (%d)", name, displayFileName(settings, record.file).c_str(), record.line);
  } else {
    text = record.name;
  }
  if (text.size() > kEntryTextMax) text.resize(kEntryTextMax);
  return text;
}

ScanMode textScanMode(LibraryMode mode) {
  return mode == LibraryMode::Prototype ? ScanMode::PrototypeText : ScanMode::FunctionText;
}

std::string displayFileName(const EngineSettings& settings, std::string_view fileName) {
  if (settings.fullpath) return std::string(fileName);
  return std::string(lastComponent(fileName));
}

std::string displayFileName(const Engine& e, std::string_view fileName) {
  return displayFileName(e.settings, fileName);
}

const FunctionPattern* findPattern(const FunctionPatternList& patterns, std::string_view name) {
  for (const auto& p : patterns) {
    if (!p.compiled) p.compiled = std::make_shared<const WildcardPattern>(p.pattern);
    if (p.compiled->matches(name)) return &p;
  }
  return nullptr;
}

}  // namespace mora
