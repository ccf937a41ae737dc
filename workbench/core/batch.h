// The batch options of VeldraC: the same composition and engine run as the
// workbench's analyses, with no window.
//   --compose KIND LISTFILE [--group GROUPFILE]   the script's bytes on standard output
//   --analyse KIND GROUPFILE                       the engine's output on standard output
//   --version                                      workbench and engine version
//   --build GROUPFILE, --find TEXT GROUPFILE ...   see batch_tools.h
#pragma once

#include <QStringList>

#include <cstdio>

namespace veldra {

// True when `argv` asks for a batch option (checked before any application object
// exists, so the interactive program can make its own).
bool isBatchInvocation(int argc, char** argv);

// Runs the batch option of `arguments` (argv without the program). Needs a
// QCoreApplication. Returns the process exit code.
int runBatch(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace veldra
