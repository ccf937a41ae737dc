#include "core/temporary_files.h"

#include <filesystem>

#include "core/engine.h"

namespace mora {

namespace {

// Whether `now`, what the name holds, is still the file we created.
bool stillOurs(const std::optional<FileStatus>& now, const FileStatus& created) {
  return now && now->regular && now->sameFile(created);
}

bool stillOurs(Engine& e, const std::string& path, const FileStatus& created) {
  return stillOurs(e.platform.fileStatus(path, false), created);
}

std::unique_ptr<FileWriter> record(Engine& e, const std::string& path,
                                   std::unique_ptr<FileWriter> writer) {
  if (!writer) return nullptr;
  auto status = writer->status();
  if (!status) return nullptr;
  e.temporaries.created[path] = *status;
  return writer;
}

}  // namespace

std::string absolutePath(Engine& e, const std::string& name) {
  std::filesystem::path path(name);
  if (path.is_relative()) path = std::filesystem::path(e.platform.currentDirectory()) / path;
  return path.lexically_normal().string();
}

std::unique_ptr<FileWriter> createTemporaryFile(Engine& e, const std::string& path) {
  std::string absolute = absolutePath(e, path);
  return record(e, absolute, e.platform.createFile(absolute, kPrivateFileMode));
}

std::optional<NumberedFile> createNumberedFile(
    Engine& e, const std::function<std::string(std::size_t)>& nameFor, std::size_t first,
    std::size_t limit) {
  for (std::size_t n = first; n < limit; ++n) {
    std::string path = absolutePath(e, nameFor(n));
    if (auto writer = createTemporaryFile(e, path)) return NumberedFile{path, n, std::move(writer)};
    // Only a taken name is skipped; any other failure would repeat for
    // every number.
    if (!e.platform.fileStatus(path, false)) return std::nullopt;
  }
  return std::nullopt;
}

std::unique_ptr<FileWriter> rewriteTemporaryFile(Engine& e, const std::string& path) {
  if (path.empty()) return nullptr;  // no work file is set
  std::string absolute = absolutePath(e, path);
  auto it = e.temporaries.created.find(absolute);
  if (it == e.temporaries.created.end()) return createTemporaryFile(e, absolute);
  auto now = e.platform.fileStatus(absolute, false);
  if (!now) {
    e.temporaries.created.erase(it);
    return createTemporaryFile(e, absolute);
  }
  if (!stillOurs(now, it->second)) return nullptr;
  // The open handle is checked again: the name may have changed hands since.
  auto writer = e.platform.rewriteFile(absolute);
  auto status = writer ? writer->status() : std::nullopt;
  if (!status || !status->sameFile(it->second)) return nullptr;
  return writer;
}

bool adoptTemporaryFile(Engine& e, const std::string& path) {
  std::string absolute = absolutePath(e, path);
  auto status = e.platform.fileStatus(absolute, false);
  if (!status || !status->regular) return false;
  e.temporaries.created[absolute] = *status;
  return true;
}

bool isOwnTemporaryFile(Engine& e, const std::string& path) {
  return e.temporaries.created.contains(absolutePath(e, path));
}

void forgetTemporaryFile(Engine& e, const std::string& path) {
  e.temporaries.created.erase(absolutePath(e, path));
}

void removeTemporaryFile(Engine& e, const std::string& path) {
  auto it = e.temporaries.created.find(absolutePath(e, path));
  if (it == e.temporaries.created.end()) return;
  if (stillOurs(e, it->first, it->second)) e.platform.removeFile(it->first);
  e.temporaries.created.erase(it);
}

void removeAllTemporaryFiles(Engine& e) {
  for (const auto& [path, status] : e.temporaries.created)
    if (stillOurs(e, path, status)) e.platform.removeFile(path);
  e.temporaries.created.clear();
}

}  // namespace mora
