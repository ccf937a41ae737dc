// libFuzzer target for action diagrams: the input is split at its first NUL
// byte into a print configuration and a C source; the configuration is
// loaded as "actprt.ini" would be, the source walked into records and the
// records printed with that configuration, all in memory.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "reports/action_config.h"
#include "reports/action_printer.h"
#include "reports/action_record.h"
#include "reports/c_action_walker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t split = input.find('\0');
  std::string_view ini = input.substr(0, split);
  std::string_view source = split == std::string_view::npos ? "" : input.substr(split + 1);

  mora::ActionConfig config;
  std::istringstream iniStream{std::string(ini)};
  std::ostringstream messages;
  if (!mora::loadActionConfig(config, &iniStream, mora::LineStyle::Ascii, "actprt.ini", messages))
    config = mora::ActionConfig{};

  std::string records;
  mora::ActionRecordWriter writer([&records](std::string_view bytes) {
    records.append(bytes);
    return true;
  });
  std::istringstream sourceStream{std::string(source)};
  mora::walkCActions(sourceStream, writer);
  writer.finish();

  // Deep records drawn with a long TAB would only measure memory; the
  // printer's own bound is tested elsewhere.
  if (config.tab.size() > 4) config.tab.resize(4);
  std::size_t printed = 0;
  mora::ActionOutput out;
  out.text = [&printed](std::string_view text) { printed += text.size(); };
  out.html = !source.empty() && source[0] == '<';
  out.tag = [](std::string_view, bool) {};
  out.anchor = [](std::string_view name) {
    if (name.size() > mora::kActionTextMax + 2) __builtin_trap();
  };
  std::istringstream recordStream(records);
  mora::printActionDiagram(recordStream, config, out);
  return 0;
}
