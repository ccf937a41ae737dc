// Printing a node table as trees through the output path, with the HTML
// frame and root anchors when HTML mode is on.
#pragma once

#include "reports/node_table.h"

namespace mora {

class Engine;

// `unreached`: nodes that no root's tree shows get trees of their own.
void printTreeTable(Engine& e, const NodeTable& table, bool repeat, bool unreached = false);
void printTreeTable(Engine& e, const NodeTableView& table, bool repeat);

}  // namespace mora
