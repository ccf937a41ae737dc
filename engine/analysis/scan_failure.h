// From a failed scan to the message a command raises. Each command names the
// message for each kind of failure; this is the one place that reads the
// failure and raises it.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// What a message names beside its code.
enum class ScanSubject {
  Source,  // the source file being scanned
  Output,  // the file being written
  None,
};

struct ScanFailureMessage {
  std::string_view code;
  ScanSubject subject = ScanSubject::Source;
};

// The message for each scan error (function_database.h).
struct ScanFailureMessages {
  ScanFailureMessage cannotOpenSource;
  ScanFailureMessage cannotOpenOutput;
  ScanFailureMessage outOfMemory{"FIES004", ScanSubject::Source};
  ScanFailureMessage other;
};

// The messages of the reports that scan files one by one: a file that cannot
// be scanned is named and the report goes on.
inline constexpr ScanFailureMessages kReportScanFailures{
    {"FIEC010"}, {"FIEC010"}, {"FIES004"}, {"FIEC010"}};

// Raises the message for the scan error `error`.
void raiseScanFailure(Engine& e, int error, const ScanFailureMessages& messages,
                      std::string_view source, std::string_view output = {});

}  // namespace mora
