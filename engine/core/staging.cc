#include "core/staging.h"

#include "core/engine.h"
#include "core/exit.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/platform/paths.h"
#include "core/temporary_files.h"
#include "core/text.h"

namespace mora {

namespace {

std::pair<unsigned long long, unsigned long long> identity(const FileStatus& s) {
  return {s.device, s.inode};
}

const StagedFile* findStaged(Engine& e, const std::string& name) {
  StagingState& s = e.staging;
  if (s.files.empty()) return nullptr;
  std::string path = absolutePath(e, name);
  if (auto it = s.byPath.find(path); it != s.byPath.end()) return &s.files[it->second];
  auto status = e.platform.fileStatus(path, true);
  if (!status) return nullptr;
  auto it = s.byIdentity.find(identity(*status));
  return it == s.byIdentity.end() ? nullptr : &s.files[it->second];
}

bool copyStream(std::istream& in, std::ostream& out) {
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    if (!out.write(buffer, in.gcount())) return false;
  }
  return !in.bad();
}

// Copies the file `from` into `out`, which the caller finishes.
bool copyInto(Engine& e, const std::string& from, std::ostream& out) {
  if (e.platform.isDirectory(from)) return false;
  auto in = e.platform.openStream(from, std::ios::in | std::ios::binary);
  return in && copyStream(*in, out);
}

// Copies `from` over a copy this run made; never over anything else.
bool copyOverOwnCopy(Engine& e, const std::string& from, const std::string& to) {
  auto out = rewriteTemporaryFile(e, to);
  return out && copyInto(e, from, *out) && out->closeFile();
}

std::string copyName(const std::string& dir, const char* format_, std::size_t n) {
  return joinPath(dir, format(format_, n));
}

// Makes the pair of copies for `real` under the first number whose two
// names are both free, filled with its text; false when none can be made.
bool makeCopies(Engine& e, const std::string& real, StagedFile& f) {
  std::string dir = e.platform.currentDirectory();
  std::size_t first = e.staging.nextNumber;
  while (first < kStagingNumberLimit) {
    auto src = createNumberedFile(
        e, [&](std::size_t n) { return copyName(dir, kReadCopyFormat, n); }, first,
        kStagingNumberLimit);
    if (!src) return false;
    f.readCopy = src->path;
    f.writeCopy = copyName(dir, kWriteCopyFormat, src->number);
    first = src->number + 1;
    auto dst = createTemporaryFile(e, f.writeCopy);
    if (!dst) {
      src->writer->closeFile();
      removeTemporaryFile(e, f.readCopy);
      continue;
    }
    bool ok = copyInto(e, real, *src->writer) && src->writer->closeFile() &&
              copyInto(e, real, *dst) && dst->closeFile();
    e.staging.nextNumber = first;
    if (ok) return true;
    removeTemporaryFile(e, f.readCopy);
    removeTemporaryFile(e, f.writeCopy);
    return false;
  }
  return false;
}

// The real file as it is now, if it may be replaced: still the version that
// was registered, a regular file, writable, and its copies still the
// engine's own.
std::optional<FileStatus> replaceableStatus(Engine& e, const StagedFile& f) {
  auto now = e.platform.fileStatus(f.realPath, true);
  if (!now || !now->regular || !now->sameVersion(f.original)) return std::nullopt;
  if (!e.platform.isWritable(f.realPath)) return std::nullopt;
  if (!isOwnTemporaryFile(e, f.readCopy) || !isOwnTemporaryFile(e, f.writeCopy))
    return std::nullopt;
  return now;
}

// How a replacement by rename went.
enum class Rename { Done, Unavailable, Failed };

// Writes the new text beside the real file with its owner, group and mode,
// then renames it over the real file. Unavailable, with nothing changed,
// when no file can be made beside it or the owner cannot be kept.
Rename replaceByRename(Engine& e, const StagedFile& f, const FileStatus& now) {
  std::string dir = parentDirectory(f.realPath);
  auto temp = createNumberedFile(
      e, [&](std::size_t n) { return copyName(dir, kCommitTemporaryFormat, n); }, 0,
      kStagingNumberLimit);
  if (!temp) return Rename::Unavailable;
  auto made = temp->writer->status();
  bool ownerKept = made && ((made->owner == now.owner && made->group == now.group) ||
                            temp->writer->setOwner(now.owner, now.group));
  bool ok = ownerKept && copyInto(e, f.writeCopy, *temp->writer) &&
            temp->writer->setMode(now.mode) && temp->writer->finish();
  // The last look before the rename: a file changed meanwhile stays as it is.
  auto latest = e.platform.fileStatus(f.realPath, true);
  ok = ok && latest && latest->sameVersion(now) && e.platform.renameFile(temp->path, f.realPath);
  if (ok) {
    forgetTemporaryFile(e, temp->path);
    return Rename::Done;
  }
  temp->writer.reset();
  removeTemporaryFile(e, temp->path);
  return ownerKept ? Rename::Failed : Rename::Unavailable;
}

// Writes the new text into the real file itself, keeping its inode, owner
// and links; on failure the old text comes back from the safety copy.
bool replaceInPlace(Engine& e, const StagedFile& f, const std::string& safety) {
  if (!e.platform.syncFile(safety)) return false;
  auto out = e.platform.rewriteFile(f.realPath);
  if (out && copyInto(e, f.writeCopy, *out) && out->finish()) return true;
  out.reset();
  auto restore = e.platform.rewriteFile(f.realPath);
  if (restore && copyInto(e, safety, *restore)) restore->finish();
  return false;
}

// Keeps the old text of the real file in a safety copy beside the work
// copies; the path of that copy, or empty. It is made durable only when the
// real file is to be written in place.
std::string saveOldText(Engine& e, const StagedFile& f) {
  std::string dir = parentDirectory(f.readCopy);
  auto safety = createNumberedFile(
      e, [&](std::size_t n) { return copyName(dir, kSafetyCopyFormat, n); }, kSafetyCopyFirst,
      kStagingNumberLimit);
  if (!safety) return {};
  if (copyInto(e, f.realPath, *safety->writer) && safety->writer->closeFile()) return safety->path;
  safety->writer.reset();
  removeTemporaryFile(e, safety->path);
  return {};
}

// Commits one file; false when it was refused or could not be written.
bool commitOne(Engine& e, const StagedFile& f) {
  auto now = replaceableStatus(e, f);
  if (!now) return false;
  std::string safety = saveOldText(e, f);
  if (safety.empty()) return false;
  // A rename would split hard links, and cannot be used where the owner
  // could not be kept or nothing can be made beside the file; those files
  // are rewritten in place instead.
  Rename renamed = now->links == 1 ? replaceByRename(e, f, *now) : Rename::Unavailable;
  bool ok =
      renamed == Rename::Done || (renamed == Rename::Unavailable && replaceInPlace(e, f, safety));
  removeTemporaryFile(e, safety);
  return ok;
}

// Writes the staged files back in registration order; stops at the first
// that fails and names it.
bool writeBack(Engine& e, std::string& failed) {
  for (const auto& f : e.staging.files) {
    if (!commitOne(e, f)) {
      failed = f.name;
      return false;
    }
  }
  return true;
}

}  // namespace

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
  return !f || copyOverOwnCopy(e, f->writeCopy, f->readCopy);
}

bool revertWrite(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  return !f || copyOverOwnCopy(e, f->readCopy, f->writeCopy);
}

std::unique_ptr<std::ostream> rewriteWriteCopy(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  if (!f) return nullptr;
  return rewriteTemporaryFile(e, f->writeCopy);
}

bool isStaged(Engine& e, const std::string& name) { return findStaged(e, name) != nullptr; }

bool registerStagedFile(Engine& e, const std::string& name) {
  std::string path = absolutePath(e, name);
  // A work copy can never stand for a real file: copying it onto itself
  // would empty it.
  if (isOwnTemporaryFile(e, path) || e.platform.isDirectory(path)) return false;
  if (!e.platform.exists(path)) {
    // A new, empty source file: created without following a planted link.
    auto created = e.platform.createFile(path, kNewSourceFileMode);
    if (!created || !created->closeFile()) return false;
  }
  if (findStaged(e, name)) return true;
  auto real = e.platform.realPath(path);
  auto status = real ? e.platform.fileStatus(*real, true) : std::nullopt;
  if (!status || !status->regular || isOwnTemporaryFile(e, *real)) return false;
  StagedFile f{name, *real, {}, {}, *status};
  if (!makeCopies(e, *real, f)) return false;
  std::size_t index = e.staging.files.size();
  e.staging.byPath[path] = index;
  e.staging.byPath[*real] = index;
  e.staging.byIdentity[identity(*status)] = index;
  e.staging.files.push_back(std::move(f));
  return true;
}

bool commitStagedFiles(Engine& e) {
  if (e.staging.files.empty()) return true;
  std::string failed;
  bool ok = writeBack(e, failed);
  // Forget everything before raising: the message may end the run, and the
  // exit operation commits again.
  discardStagedFiles(e);
  if (!ok) raiseMessage(e, "FIEC011", failed);
  return ok;
}

void discardStagedFile(Engine& e, const std::string& name) {
  const StagedFile* f = findStaged(e, name);
  if (!f) return;
  removeTemporaryFile(e, f->readCopy);
  removeTemporaryFile(e, f->writeCopy);
  StagingState& s = e.staging;
  auto index = static_cast<std::size_t>(f - s.files.data());
  s.files.erase(s.files.begin() + static_cast<std::ptrdiff_t>(index));
  // The lookups point into the registry: the dropped entry's go, the later
  // entries' move down by one.
  auto reindex = [index](auto& lookup) {
    std::erase_if(lookup, [index](const auto& entry) { return entry.second == index; });
    for (auto& entry : lookup)
      if (entry.second > index) --entry.second;
  };
  reindex(s.byPath);
  reindex(s.byIdentity);
}

void discardStagedFiles(Engine& e) {
  for (const auto& f : e.staging.files) {
    removeTemporaryFile(e, f.readCopy);
    removeTemporaryFile(e, f.writeCopy);
  }
  e.staging = StagingState{};
}

}  // namespace mora
