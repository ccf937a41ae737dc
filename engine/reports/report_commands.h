// The handlers of the report commands kept in the command modules of this
// layer: staging (done, reset), the library (import, type, export, print,
// delete), the line reports (count, tags, find) and the function list and
// trees (list, ftree, rtree, tree). Each receives the rest of its statement;
// 1, or 0 after one message.
#pragma once

#include <string_view>

namespace mora {

class Engine;

int cmdDone(Engine& e, std::string_view rest);
int cmdReset(Engine& e, std::string_view rest);

int cmdImport(Engine& e, std::string_view rest);
int cmdType(Engine& e, std::string_view rest);
int cmdExport(Engine& e, std::string_view rest);
int cmdPrint(Engine& e, std::string_view rest);
int cmdDelete(Engine& e, std::string_view rest);

int cmdCount(Engine& e, std::string_view rest);
int cmdTags(Engine& e, std::string_view rest);
int cmdFind(Engine& e, std::string_view rest);

int cmdList(Engine& e, std::string_view rest);
int cmdFtree(Engine& e, std::string_view rest);
int cmdRtree(Engine& e, std::string_view rest);
int cmdTree(Engine& e, std::string_view rest);

}  // namespace mora
