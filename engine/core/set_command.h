// The `set` command and the settings table: every setting once, with what
// `set` reads for it and what `set` without arguments shows for it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/keywords.h"
#include "core/settings.h"

namespace mora {

class Engine;

struct SettingEntry;
// Reads the rest of `set keyword [qualifier]` and applies it; false after
// one message.
using SettingHandler = bool (*)(Engine&, std::string_view rest, const SettingEntry&);
// What an on/off setting does beyond storing its flag; false after a
// message, and then nothing has changed.
using SettingEffect = bool (*)(Engine&, bool on);
// The value shown for a setting, or std::nullopt when its line is left out.
using ShowValue = std::optional<std::string> (*)(const Engine&);

// One row of the settings table. A row without a keyword is a line that
// is shown but cannot be set; a row without a label is set but not shown.
// The rows stand in the order in which they are shown.
struct SettingEntry {
  std::optional<Token> keyword;
  std::optional<Token> qualifier;  // the word that must follow the keyword
  SettingHandler handler = nullptr;
  bool EngineSettings::*flag = nullptr;
  SettingEffect effect = nullptr;
  const char* showLabel = nullptr;  // padded to the colon
  ShowValue showValue = nullptr;    // nullptr: ON or OFF of the flag
};

std::span<const SettingEntry> settingsTable();

bool cmdSet(Engine& e, std::string_view rest);

// The words that name each setting after `set`: "echo", "with file", ...
std::vector<std::string> settingNames();

}  // namespace mora
