// The handlers of the report commands kept in the command modules of this
// layer: staging (done, reset), the library (import, type, export, print,
// delete), the line reports (count, tags, find) and the function list and
// trees (list, ftree, rtree, tree). Each receives the rest of its statement;
// false after one message.
#pragma once

#include <string_view>

namespace mora {

class Engine;

bool cmdDone(Engine& e, std::string_view rest);
bool cmdReset(Engine& e, std::string_view rest);

bool cmdImport(Engine& e, std::string_view rest);
bool cmdType(Engine& e, std::string_view rest);
bool cmdExport(Engine& e, std::string_view rest);
bool cmdPrint(Engine& e, std::string_view rest);
bool cmdDelete(Engine& e, std::string_view rest);

bool cmdCount(Engine& e, std::string_view rest);
bool cmdTags(Engine& e, std::string_view rest);
bool cmdFind(Engine& e, std::string_view rest);

bool cmdList(Engine& e, std::string_view rest);
bool cmdFtree(Engine& e, std::string_view rest);
bool cmdRtree(Engine& e, std::string_view rest);
bool cmdTree(Engine& e, std::string_view rest);

}  // namespace mora
