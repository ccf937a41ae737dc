#include "reports/staging.h"

#include <filesystem>
#include <fstream>

#include "core/command_tables.h"
#include "core/engine.h"
#include "core/exit.h"
#include "core/messages.h"
#include "core/text.h"
#include "reports/text_substitution.h"

namespace mora {

namespace {

constexpr const char* kReadCopyFormat = "sbt%05zu.src";
constexpr const char* kWriteCopyFormat = "sbt%05zu.dst";
constexpr const char* kSafetyCopy = "sbt00001.tmp";

// `name` as an absolute, lexically normalised path, so that "a.c", "./a.c"
// and the same name after a `cd` elsewhere all denote one file.
std::string absolutePath(Engine& e, const std::string& name) {
  std::filesystem::path path(name);
  if (path.is_relative()) path = std::filesystem::path(e.platform.currentDirectory()) / path;
  return path.lexically_normal().string();
}

const StagedFile* findStaged(Engine& e, const std::string& name) {
  if (e.staging.files.empty()) return nullptr;
  std::string path = absolutePath(e, name);
  for (const auto& f : e.staging.files)
    if (f.realPath == path) return &f;
  return nullptr;
}

void removeIfExists(Engine& e, const std::string& path) {
  if (e.platform.exists(path)) e.platform.removeFile(path);
}

bool copyFile(Engine& e, const std::string& from, const std::string& to) {
  if (e.platform.isDirectory(from) || e.platform.isDirectory(to)) return false;
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    if (!out.write(buffer, in.gcount())) return false;
  }
  if (in.bad()) return false;
  out.close();
  return !out.fail();
}

// Replaces `real` by a copy of `from` without ever truncating `real`: the
// text is written to a new file in the same directory, which then takes the
// real file's place in one rename.
bool replaceFile(Engine& e, const std::string& from, const std::string& real) {
  std::string directory = std::filesystem::path(real).parent_path().string();
  std::string temporary = e.platform.temporaryName(directory, "sbt");
  if (temporary.empty()) return false;
  bool ok = copyFile(e, from, temporary) && e.platform.copyPermissions(real, temporary) &&
            e.platform.renameFile(temporary, real);
  if (!ok) removeIfExists(e, temporary);
  return ok;
}

// Writes the staged files back in registration order; stops at the first
// that fails. Each real file is first copied to the safety copy.
bool writeBack(Engine& e, const std::string& safety) {
  for (const auto& f : e.staging.files) {
    if (!e.platform.exists(f.realPath) || !e.platform.exists(f.readCopy) ||
        !e.platform.exists(f.writeCopy))
      return false;
    if (!copyFile(e, f.realPath, safety)) return false;
    if (!replaceFile(e, f.writeCopy, f.realPath)) return false;
  }
  return true;
}

// The safety copy lives beside the work copies, wherever the current
// directory has moved since.
std::string safetyCopyPath(Engine& e) {
  if (e.staging.files.empty()) return absolutePath(e, kSafetyCopy);
  return (std::filesystem::path(e.staging.files.front().readCopy).parent_path() / kSafetyCopy)
      .string();
}

bool isCopyName(Engine& e, const std::string& path) {
  for (const auto& f : e.staging.files)
    if (f.readCopy == path || f.writeCopy == path) return true;
  return path == safetyCopyPath(e);
}

int cmdDone(Engine& e, std::string_view rest) {
  if (!trim(rest).empty()) {
    raiseMessage(e, "FIEU005", trim(rest));
    return 0;
  }
  bool committed = commitStagedFiles(e);
  e.preprocessing.defines.clear();
  return committed ? 1 : 0;
}

int cmdReset(Engine& e, std::string_view rest) {
  if (!trim(rest).empty()) {
    raiseMessage(e, "FIEU005", trim(rest));
    return 0;
  }
  discardStagedFiles(e);
  deleteWorkFiles(e);
  return 1;
}

constexpr CommandEntry kStagingCommands[] = {
    {Token::Define, cmdDefine},
    {Token::Done, cmdDone},
    {Token::Reset, cmdReset},
};

}  // namespace

std::span<const CommandEntry> stagingCommands() { return kStagingCommands; }

std::string openPathForRead(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  return f ? f->readCopy : name;
}

std::string openPathForWrite(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  return f ? f->writeCopy : name;
}

bool finishWrite(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  return !f || copyFile(e, f->writeCopy, f->readCopy);
}

bool isStaged(Engine& e, const std::string& name) { return findStaged(e, name) != nullptr; }

bool registerStagedFile(Engine& e, const std::string& name) {
  std::string real = absolutePath(e, name);
  // A work copy can never stand for a real file: copying it onto itself
  // would empty it.
  if (isCopyName(e, real) || e.platform.isDirectory(real)) return false;
  if (!e.platform.exists(real) && !std::ofstream(real, std::ios::binary)) return false;
  if (findStaged(e, name)) return true;
  std::size_t number = e.staging.files.size();
  StagedFile f{real, absolutePath(e, format(kReadCopyFormat, number)),
               absolutePath(e, format(kWriteCopyFormat, number))};
  if (f.readCopy == real || f.writeCopy == real || !copyFile(e, real, f.readCopy) ||
      !copyFile(e, real, f.writeCopy)) {
    if (f.readCopy != real) removeIfExists(e, f.readCopy);
    if (f.writeCopy != real) removeIfExists(e, f.writeCopy);
    return false;
  }
  e.staging.files.push_back(std::move(f));
  return true;
}

bool commitStagedFiles(Engine& e) {
  if (e.staging.files.empty()) return true;
  std::string safety = safetyCopyPath(e);
  bool ok = writeBack(e, safety);
  removeIfExists(e, safety);
  // Forget everything before raising: the message may end the run, and the
  // exit operation commits again.
  discardStagedFiles(e);
  if (!ok) raiseMessage(e, "FIEC011");
  return ok;
}

void discardStagedFiles(Engine& e) {
  for (const auto& f : e.staging.files) {
    removeIfExists(e, f.readCopy);
    removeIfExists(e, f.writeCopy);
  }
  e.staging.files.clear();
}

}  // namespace mora
