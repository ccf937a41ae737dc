// Staged file changes. A file that the engine is to change is first
// registered: it gets a read copy "sbt%05d.src" and a write copy
// "sbt%05d.dst" in the current directory, numbered from 0 in registration
// order, skipping every number whose names are already taken: the copies
// are always new files of this run. Every later read or write of that file goes to the copies, so
// later commands already see the changed text while the real file keeps its old text until `done`
// (or the end of the run) writes the changes back; `reset` and the error limit throw them away.
//
// The file opener. Whoever opens a source file by name asks it first:
//   auto in = e.platform.openInput(openPathForRead(e, name));
//   auto out = e.platform.openStream(openPathForWrite(e, name), out | ...);
//   out.reset();  finishWrite(e, name);
// A name that is not registered comes back unchanged, so callers need not
// know whether staging is active.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/platform.h"

namespace mora {

class Engine;

struct StagedFile {
  std::string name;       // as the user gave it, for messages
  std::string realPath;   // absolute, every link resolved: the file replaced
  std::string readCopy;   // absolute path of "sbt%05d.src"
  std::string writeCopy;  // absolute path of "sbt%05d.dst"
  FileStatus original;    // the real file when it was registered
};

struct StagingState {
  // The registry in registration order; its size is the count of
  // registrations since the last `done` or `reset`.
  std::vector<StagedFile> files;
  // Lookups into `files`: by absolute name as given and by resolved path,
  // and by device and inode, so that one file reached through two names
  // (a link, a linked directory) is one registration.
  std::unordered_map<std::string, std::size_t> byPath;
  std::map<std::pair<unsigned long long, unsigned long long>, std::size_t> byIdentity;
  // Where the search for a free copy number starts; taken numbers (files
  // the engine did not make) are skipped, never reused.
  std::size_t nextNumber = 0;
};

// The name to open for reading: the read copy of a registered file,
// otherwise `name` itself.
std::string openPathForRead(Engine& e, const std::string& name);
// The name to open for writing or appending: the write copy of a registered
// file, otherwise `name` itself.
std::string openPathForWrite(Engine& e, const std::string& name);
// Call after closing a file opened through openPathForWrite: copies the
// write copy over the read copy of a registered file, so reads see what was
// written. False when that copy failed; always true for other names.
bool finishWrite(Engine& e, const std::string& name);
// The reverse, after a write through openPathForWrite failed part-way: the
// write copy gets the read copy's text back, so committing cannot cut the
// real file short. False when that copy failed; always true for other names.
bool revertWrite(Engine& e, const std::string& name);
// The write copy of a registered file, emptied for new text; nullptr for a
// name that is not registered or a copy that is no longer the engine's.
std::unique_ptr<std::ostream> rewriteWriteCopy(Engine& e, const std::string& name);

bool isStaged(Engine& e, const std::string& name);
// Registers `name` (creating it empty when it does not exist) and makes its
// two copies; registering a file again does nothing. False when the file or
// a copy cannot be made; the caller raises the message.
bool registerStagedFile(Engine& e, const std::string& name);

// Writes every staged change back to its real file and forgets them. The
// real file is the one behind any links. It is replaced whole (written
// beside it with its owner, group and mode, then renamed over it), so it is
// wholly old or wholly new even when the commit is killed half-way; where a
// rename would lose its owner or split its hard links, the new text is
// written in place once the old text is safe in a copy. A file that is
// read-only, or has changed since it was registered, is refused and left
// untouched. The first failure stops the commit; files before it keep
// their new text. All copies are deleted in every case; FIEC011 is raised
// afterwards on failure. Returns false after that message.
bool commitStagedFiles(Engine& e);
// Forgets every staged change and deletes the copies; real files keep their
// old text.
void discardStagedFiles(Engine& e);
// Drops the staged change of one file, removing its copies: the real file
// keeps the text it has.
void discardStagedFile(Engine& e, const std::string& name);

}  // namespace mora
