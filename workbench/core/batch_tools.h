// The batch options of the tools menu, run without a window:
//   --build GROUPFILE                      the build window's lines; make's exit code
//   --find TEXT GROUPFILE [--word] [--case] the find result lines, in group order
#pragma once

#include <QStringList>

#include <cstdio>

namespace veldra {

int runBatchBuild(const QStringList& args, std::FILE* out, std::FILE* err);
int runBatchFind(const QStringList& args, std::FILE* out, std::FILE* err);

}  // namespace veldra
