#include "core/directory_commands.h"

#include "core/engine.h"
#include "core/file_list.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "core/word_argument.h"

namespace mora {

namespace {

// The directory argument: a word argument that must end the statement.
std::optional<std::string> readDirectory(Engine& e, std::string_view rest) {
  std::optional<WordArgument> dir = readWordArgument(e, rest);
  if (!dir) return std::nullopt;
  std::string_view left = trim(rest.substr(dir->consumed));
  if (!left.empty()) {
    raiseMessage(e, "FIEU005", left);
    return std::nullopt;
  }
  return std::move(dir->value);
}

// A directory that is missing after mkdir/rmdir raises FIEU037.
std::optional<std::string> readRequiredDirectory(Engine& e, std::string_view rest) {
  std::optional<std::string> dir = readDirectory(e, rest);
  if (dir && dir->empty()) {
    raiseMessage(e, "FIEU037");
    return std::nullopt;
  }
  return dir;
}

// The existing files named by the list in `rest`, or by the directory mask
// when the statement has no list.
std::optional<std::vector<std::string>> listedFiles(Engine& e, std::string_view rest) {
  std::string_view text = trim(rest);
  std::string mask = e.settings.dirmask;
  if (text.empty()) text = mask;
  std::optional<ParsedList> list = parseFileList(e, text);
  if (!list) return std::nullopt;
  std::string_view left = trim(text.substr(list->consumed));
  if (!left.empty()) {
    raiseMessage(e, "FIEU005", left);
    return std::nullopt;
  }
  std::vector<std::string> existing;
  for (std::string& name : expandFileNames(e, list->names))
    if (e.platform.exists(name)) existing.push_back(std::move(name));
  return existing;
}

}  // namespace

// chdir [dir], cd [dir]. A directory that cannot be entered (like a failed
// mkdir or rmdir) fails the command without a message: scripts test it.
bool cmdChdir(Engine& e, std::string_view rest) {
  std::optional<std::string> dir = readDirectory(e, rest);
  if (!dir) return false;
  if (dir->empty()) {
    std::string current = e.platform.currentDirectory().substr(0, kCurrentDirectoryMax);
    printIfEcho(e, current + "\n");
    return true;
  }
  return e.platform.changeDirectory(*dir);
}

bool cmdMkdir(Engine& e, std::string_view rest) {
  std::optional<std::string> dir = readRequiredDirectory(e, rest);
  return dir && e.platform.makeDirectory(*dir);
}

bool cmdRmdir(Engine& e, std::string_view rest) {
  std::optional<std::string> dir = readRequiredDirectory(e, rest);
  return dir && e.platform.removeDirectory(*dir);
}

// dir [files]: the names in columns of 17 characters, four to a line.
bool cmdDir(Engine& e, std::string_view rest) {
  std::optional<std::vector<std::string>> files = listedFiles(e, rest);
  if (!files) return false;
  std::string line;
  int column = 0;
  for (const std::string& name : *files) {
    line += format(" %-16s", name.c_str());
    if (++column == kDirColumns) {
      printOutput(e, outputStream(e), line + "\n");
      line.clear();
      column = 0;
    }
  }
  if (column > 0) printOutput(e, outputStream(e), line + "\n");
  return true;
}

// ls [files]: the names that are not directories, one to a line.
bool cmdLs(Engine& e, std::string_view rest) {
  std::optional<std::vector<std::string>> files = listedFiles(e, rest);
  if (!files) return false;
  for (const std::string& name : *files)
    if (!e.platform.isDirectory(name)) printOutput(e, outputStream(e), name + "\n");
  return true;
}

}  // namespace mora
