// Opening the files that scans read and the library commands write. Every
// such file goes through these, so that files with staged changes are read
// and written as their work copies.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace mora {

class Engine;

// nullptr when the file cannot be opened. Text is read in binary mode; the
// line readers drop a carriage return before a line feed.
std::unique_ptr<std::istream> openForReading(Engine& e, const std::string& name);
std::unique_ptr<std::ostream> openForAppending(Engine& e, const std::string& name);
std::unique_ptr<std::ostream> openForWriting(Engine& e, const std::string& name);

// Prepares `name` for a change that stays staged until it is committed;
// false when it cannot be registered.
bool registerForChange(Engine& e, const std::string& name);

}  // namespace mora
