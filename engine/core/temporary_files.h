// The files this run of the engine created for itself: the work file, event
// files, staging copies, commit temporaries, the library file. Each is
// created exclusively (never through a name that already exists, a link or
// a device), recorded with its device and inode, and deleted only while the
// name still holds that very file. Files the engine did not create are
// never deleted, whatever their names.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/platform.h"

namespace mora {

class Engine;

struct TemporaryFiles {
  // Absolute path -> identity of the file created there.
  std::unordered_map<std::string, FileStatus> created;
};

// Private to the user who runs the engine.
inline constexpr unsigned kPrivateFileMode = 0600;

// `name` as an absolute, lexically normalised path, so that "a.c", "./a.c"
// and the same name after a `cd` elsewhere all denote one file.
std::string absolutePath(Engine& e, const std::string& name);

// Creates `path` exclusively and records it; nullptr when the name is taken
// or the file cannot be made.
std::unique_ptr<FileWriter> createTemporaryFile(Engine& e, const std::string& path);

struct NumberedFile {
  std::string path;  // absolute
  std::size_t number = 0;
  std::unique_ptr<FileWriter> writer;
};

// Creates the first free name `nameFor(n)` for n from `first` on, below
// `limit`, skipping every name that is already taken; nullopt when none is
// free.
std::optional<NumberedFile> createNumberedFile(
    Engine& e, const std::function<std::string(std::size_t)>& nameFor, std::size_t first,
    std::size_t limit);

// Rewrites `path` from empty when this run created it and it is still that
// file; creates it anew when it is gone. nullptr otherwise: a file of the
// same name that is not ours is never written, and an empty name is none.
std::unique_ptr<FileWriter> rewriteTemporaryFile(Engine& e, const std::string& path);

// Records a file that was created exclusively by other means (the unique
// work file name). False when `path` is not a regular file.
bool adoptTemporaryFile(Engine& e, const std::string& path);

bool isOwnTemporaryFile(Engine& e, const std::string& path);

// Forgets `path` without deleting it: a temporary that has become a real
// file by taking its place.
void forgetTemporaryFile(Engine& e, const std::string& path);

// Deletes `path` when this run created it and the name still holds that
// file, and forgets it either way.
void removeTemporaryFile(Engine& e, const std::string& path);

// Deletes every file still recorded: the last step of every way out.
void removeAllTemporaryFiles(Engine& e);

}  // namespace mora
