#include "core/memory_platform.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>

#include "core/text.h"

namespace mora {

namespace {

using Node = MemoryPlatform::Node;
using NodePtr = std::shared_ptr<Node>;

FileStatus statusOf(const Node& node) {
  FileStatus s;
  s.device = 1;
  s.inode = node.inode;
  s.size = static_cast<long long>(node.text.size());
  s.modifiedNs = node.modifiedNs;
  s.mode = node.mode;
  s.owner = node.owner;
  s.group = node.group;
  s.links = node.links;
  s.regular = !node.directory;
  return s;
}

std::string parentOf(const std::string& absolutePath) {
  std::size_t slash = absolutePath.rfind('/');
  return slash == 0 ? "/" : absolutePath.substr(0, slash);
}

// The names directly below `dir` start with this.
std::string childPrefix(const std::string& dir) { return dir == "/" ? dir : dir + "/"; }

// Hands out the first half of a text, then fails as a disk that cannot be
// read past some point does: the file buffer throws from underflow.
class FailingReadBuffer final : public std::streambuf {
 public:
  explicit FailingReadBuffer(std::string text) : text_(std::move(text)) {
    char* begin = text_.data();
    setg(begin, begin, begin + text_.size() / 2);
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

// Takes no byte, as a full disk does.
class RefusingBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// The text of a file as a string that the stream reads and writes; what was
// written reaches the file at each flush and when the stream closes.
class NodeBuffer final : public std::stringbuf {
 public:
  NodeBuffer(MemoryPlatform& fs, NodePtr node, std::ios::openmode mode)
      : std::stringbuf(node->text, mode),
        fs_(fs),
        node_(std::move(node)),
        writes_((mode & std::ios::out) != 0) {}
  ~NodeBuffer() override { NodeBuffer::sync(); }

 protected:
  int sync() override {
    if (!writes_) return 0;
    std::string now = str();
    if (now != node_->text) {
      node_->text = std::move(now);
      node_->modifiedNs = fs_.tick();
    }
    return 0;
  }

 private:
  MemoryPlatform& fs_;
  NodePtr node_;
  bool writes_;
};

// A stream over a buffer of its own.
template <typename Buffer>
class BufferStream final : public std::iostream {
 public:
  template <typename... Args>
  explicit BufferStream(Args&&... args)
      : std::iostream(nullptr), buffer_(std::forward<Args>(args)...) {
    rdbuf(&buffer_);
  }

 private:
  Buffer buffer_;
};

// Appends straight to the file's text, or takes nothing when writes fail.
class NodeWriteBuffer final : public std::streambuf {
 public:
  NodeWriteBuffer(NodePtr node, bool refuse) : node_(std::move(node)), refuse_(refuse) {}

 protected:
  int_type overflow(int_type c) override {
    if (refuse_) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
      node_->text.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    if (refuse_) return 0;
    node_->text.append(data, static_cast<std::size_t>(size));
    return size;
  }

 private:
  NodePtr node_;
  bool refuse_;
};

class MemoryWriter final : public FileWriter {
 public:
  MemoryWriter(MemoryPlatform& fs, NodePtr node, bool refuse)
      : fs_(fs), node_(node), buffer_(node, refuse) {
    rdbuf(&buffer_);
  }
  bool setOwner(unsigned owner, unsigned group) override {
    node_->owner = owner;
    node_->group = group;
    return open_;
  }
  bool setMode(unsigned mode) override {
    node_->mode = mode & 07777;
    return open_;
  }
  bool finish() override { return closeFile(); }
  bool closeFile() override {
    if (!open_) return false;
    open_ = false;
    node_->modifiedNs = fs_.tick();
    return good();
  }
  std::optional<FileStatus> status() override { return statusOf(*node_); }

 private:
  MemoryPlatform& fs_;
  NodePtr node_;
  NodeWriteBuffer buffer_;
  bool open_ = true;
};

}  // namespace

MemoryPlatform::MemoryPlatform() {
  addDirectory("/");
  addDirectory(current_);
  addDirectory("/tmp");
  addDirectory("/bin");
}

std::string MemoryPlatform::absolute(const std::string& path) const {
  if (path.empty()) return {};
  std::string whole = path.front() == '/' ? path : current_ + "/" + path;
  std::vector<std::string> parts;
  std::istringstream in(whole);
  for (std::string part; std::getline(in, part, '/');) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      parts.push_back(std::move(part));
    }
  }
  std::string out;
  for (const auto& part : parts) out += "/" + part;
  return out.empty() ? "/" : out;
}

MemoryPlatform::NodePtr MemoryPlatform::find(const std::string& path) const {
  auto it = nodes_.find(absolute(path));
  return it == nodes_.end() ? nullptr : it->second;
}

bool MemoryPlatform::fails(const std::string& path, Failure failure) {
  auto it = failures_.find({absolute(path), failure});
  if (it == failures_.end()) return false;
  if (it->second > 0 && --it->second == 0) failures_.erase(it);
  return true;
}

bool MemoryPlatform::parentExists(const std::string& absolutePath) const {
  auto parent = nodes_.find(parentOf(absolutePath));
  return parent != nodes_.end() && parent->second->directory;
}

MemoryPlatform::NodePtr MemoryPlatform::makeNode(bool directory, unsigned mode) {
  auto node = std::make_shared<Node>();
  node->directory = directory;
  node->mode = mode & 07777;
  node->inode = nextInode_++;
  node->modifiedNs = tick();
  return node;
}

void MemoryPlatform::link(const std::string& absolutePath, NodePtr node) {
  ++node->links;
  nodes_[absolutePath] = std::move(node);
}

void MemoryPlatform::unlink(const std::string& absolutePath) {
  auto it = nodes_.find(absolutePath);
  if (it == nodes_.end()) return;
  --it->second->links;
  nodes_.erase(it);
}

void MemoryPlatform::addDirectory(const std::string& path) {
  std::string target = absolute(path);
  if (target != "/" && !nodes_.contains(parentOf(target))) addDirectory(parentOf(target));
  if (!nodes_.contains(target)) link(target, makeNode(true, 0755));
}

void MemoryPlatform::addFile(const std::string& path, std::string text, unsigned mode) {
  std::string target = absolute(path);
  addDirectory(parentOf(target));
  NodePtr node = find(target);
  if (!node) {
    node = makeNode(false, mode);
    link(target, node);
  }
  node->text = std::move(text);
  node->mode = mode & 07777;
  node->modifiedNs = tick();
}

bool MemoryPlatform::addHardLink(const std::string& existing, const std::string& path) {
  NodePtr node = find(existing);
  std::string target = absolute(path);
  if (!node || node->directory || nodes_.contains(target) || !parentExists(target)) return false;
  link(target, node);
  return true;
}

bool MemoryPlatform::copyFromHost(const std::string& hostPath, const std::string& path) {
  std::ifstream in(hostPath, std::ios::binary);
  if (!in) return false;
  addFile(path, std::string(std::istreambuf_iterator<char>(in), {}));
  return true;
}

std::optional<std::string> MemoryPlatform::text(const std::string& path) const {
  NodePtr node = find(path);
  if (!node || node->directory) return std::nullopt;
  return node->text;
}

std::vector<std::string> MemoryPlatform::filesUnder(const std::string& dir) const {
  std::string prefix = childPrefix(absolute(dir));
  std::vector<std::string> out;
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.starts_with(prefix);
       ++it)
    if (!it->second->directory) out.push_back(it->first);
  return out;
}

void MemoryPlatform::setMode(const std::string& path, unsigned mode) {
  if (NodePtr node = find(path)) node->mode = mode & 07777;
}

void MemoryPlatform::setEnvironment(const std::string& name, std::string value) {
  environment_[name] = std::move(value);
}

void MemoryPlatform::failOn(const std::string& path, Failure failure, int times) {
  failures_[{absolute(path), failure}] = times;
}

std::optional<std::vector<std::string>> MemoryPlatform::listDirectory(const std::string& dir) {
  NodePtr node = find(dir.empty() ? "." : dir);
  if (!node || !node->directory || fails(dir.empty() ? "." : dir, Failure::Open))
    return std::nullopt;
  std::string prefix = childPrefix(absolute(dir.empty() ? "." : dir));
  // Sorted as the host platforms sort: names folded to upper case, ties in
  // name order.
  std::vector<std::pair<std::string, std::string>> keyed;
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.starts_with(prefix);
       ++it) {
    std::string name = it->first.substr(prefix.size());
    if (name.empty() || name.find('/') != std::string::npos) continue;
    std::string folded = name;
    for (char& c : folded) c = asciiUpper(c);
    keyed.emplace_back(std::move(folded), std::move(name));
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string> names;
  for (auto& k : keyed) names.push_back(std::move(k.second));
  return names;
}

bool MemoryPlatform::exists(const std::string& path) {
  return !path.empty() && find(path) != nullptr;
}

bool MemoryPlatform::isDirectory(const std::string& path) {
  NodePtr node = path.empty() ? nullptr : find(path);
  return node && node->directory;
}

bool MemoryPlatform::changeDirectory(const std::string& dir) {
  if (!isDirectory(dir)) return false;
  current_ = absolute(dir);
  return true;
}

bool MemoryPlatform::makeDirectory(const std::string& dir) {
  std::string target = absolute(dir);
  if (target.empty() || nodes_.contains(target) || !parentExists(target) ||
      fails(target, Failure::Open))
    return false;
  link(target, makeNode(true, 0755));
  return true;
}

bool MemoryPlatform::removeDirectory(const std::string& dir) {
  std::string target = absolute(dir);
  NodePtr node = find(target);
  if (!node || !node->directory || target == "/" || fails(target, Failure::Remove)) return false;
  auto next = nodes_.lower_bound(childPrefix(target));
  if (next != nodes_.end() && next->first.starts_with(childPrefix(target))) return false;
  unlink(target);
  return true;
}

bool MemoryPlatform::removeFile(const std::string& path) {
  NodePtr node = find(path);
  if (!node || node->directory || fails(path, Failure::Remove)) return false;
  unlink(absolute(path));
  return true;
}

bool MemoryPlatform::renameFile(const std::string& from, const std::string& to) {
  std::string source = absolute(from);
  std::string target = absolute(to);
  NodePtr node = find(source);
  if (!node || node->directory || !parentExists(target) || fails(source, Failure::Rename) ||
      fails(target, Failure::Rename))
    return false;
  if (source == target) return true;
  NodePtr replaced = find(target);
  if (replaced && replaced->directory) return false;
  unlink(target);
  link(target, node);
  unlink(source);
  return true;
}

bool MemoryPlatform::copyPermissions(const std::string& from, const std::string& to) {
  NodePtr source = find(from);
  NodePtr target = find(to);
  if (!source || !target) return false;
  target->mode = source->mode;
  return true;
}

std::string MemoryPlatform::temporaryName(const std::string& dir, const std::string& prefix) {
  if (!isDirectory(dir)) return {};
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string number = std::to_string(nextTemporary_++);
    std::string path =
        absolute(dir + "/" + prefix +
                 std::string(6 - std::min<std::size_t>(6, number.size()), '0') + number);
    if (nodes_.contains(path)) continue;
    link(path, makeNode(false, 0600));
    return path;
  }
  return {};
}

std::optional<FileStatus> MemoryPlatform::fileStatus(const std::string& path, bool) {
  NodePtr node = path.empty() ? nullptr : find(path);
  if (!node) return std::nullopt;
  return statusOf(*node);
}

std::unique_ptr<FileWriter> MemoryPlatform::createFile(const std::string& path, unsigned mode) {
  std::string target = absolute(path);
  if (target.empty() || nodes_.contains(target) || !parentExists(target) ||
      fails(target, Failure::Open))
    return nullptr;
  NodePtr node = makeNode(false, mode);
  link(target, node);
  return std::make_unique<MemoryWriter>(*this, node, fails(target, Failure::Write));
}

std::unique_ptr<FileWriter> MemoryPlatform::rewriteFile(const std::string& path) {
  NodePtr node = find(path);
  if (!node || node->directory || fails(path, Failure::Open)) return nullptr;
  node->text.clear();
  node->modifiedNs = tick();
  return std::make_unique<MemoryWriter>(*this, node, fails(path, Failure::Write));
}

std::unique_ptr<std::iostream> MemoryPlatform::openStream(const std::string& path,
                                                          std::ios::openmode mode) {
  std::string target = absolute(path);
  if (target.empty() || fails(target, Failure::Open)) return nullptr;
  // Appending writes, with or without `out`, as for std::fstream.
  bool appends = (mode & std::ios::app) != 0;
  bool writes = appends || (mode & std::ios::out) != 0;
  bool reads = (mode & std::ios::in) != 0;
  NodePtr node = find(target);
  if (node && node->directory) return nullptr;
  if (!node) {
    // As fopen: "r" and "r+" need the file; "w" and "a" make it.
    bool creates = writes && (appends || (mode & std::ios::trunc) || !reads);
    if (!creates || !parentExists(target)) return nullptr;
    node = makeNode(false, 0644);
    link(target, node);
  }
  if (writes && ((mode & std::ios::trunc) || (!appends && !reads)) && !node->text.empty()) {
    node->text.clear();
    node->modifiedNs = tick();
  }
  if (writes && fails(target, Failure::Write))
    return std::make_unique<BufferStream<RefusingBuffer>>();
  if (!writes && fails(target, Failure::Read))
    return std::make_unique<BufferStream<FailingReadBuffer>>(node->text);
  std::ios::openmode kept = mode & (std::ios::in | std::ios::out | std::ios::app | std::ios::ate);
  if (writes) kept |= std::ios::out;
  return std::make_unique<BufferStream<NodeBuffer>>(*this, node, kept);
}

std::optional<std::string> MemoryPlatform::realPath(const std::string& path) {
  if (!exists(path)) return std::nullopt;
  return absolute(path);
}

bool MemoryPlatform::isWritable(const std::string& path) {
  NodePtr node = find(path);
  return node && (node->mode & 0222) != 0;
}

int MemoryPlatform::runShell(const std::string& command) {
  shellCommands_.push_back(command);
  auto it = shellStatus_.find(command);
  return it == shellStatus_.end() ? 0 : it->second;
}

std::optional<std::string> MemoryPlatform::environment(const std::string& name) {
  auto it = environment_.find(name);
  if (it == environment_.end()) return std::nullopt;
  return it->second;
}

std::tm MemoryPlatform::localTime() {
  std::tm tm{};
  tm.tm_year = 126;  // 2026-01-02 03:04:05, the same in every run
  tm.tm_mday = 2;
  tm.tm_hour = 3;
  tm.tm_min = 4;
  tm.tm_sec = 5;
  return tm;
}

}  // namespace mora
