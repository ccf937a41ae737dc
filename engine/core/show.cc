#include "core/show.h"

#include "core/engine.h"
#include "core/output.h"
#include "core/set_command.h"

namespace mora {

std::string onOff(bool on) { return on ? "ON" : "OFF"; }

void showSettings(Engine& e) {
  for (const SettingEntry& entry : settingsTable()) {
    if (!entry.showLabel) continue;
    std::optional<std::string> value =
        entry.showValue ? entry.showValue(e) : onOff(e.settings.*entry.flag);
    if (value) printIfEcho(e, std::string(entry.showLabel) + *value + "\n");
  }
  printIfEcho(e, "\n");
}

}  // namespace mora
