#include "analysis/scan_failure.h"

#include "analysis/function_database.h"
#include "core/messages.h"

namespace mora {

namespace {

const ScanFailureMessage& messageFor(int error, const ScanFailureMessages& messages) {
  switch (error) {
    case kScanCannotOpenSource:
      return messages.cannotOpenSource;
    case kScanCannotOpenOutput:
      return messages.cannotOpenOutput;
    case kScanOutOfMemory:
      return messages.outOfMemory;
    default:
      return messages.other;
  }
}

}  // namespace

void raiseScanFailure(Engine& e, int error, const ScanFailureMessages& messages,
                      std::string_view source, std::string_view output) {
  const ScanFailureMessage& message = messageFor(error, messages);
  switch (message.subject) {
    case ScanSubject::Source:
      raiseMessage(e, message.code, source);
      break;
    case ScanSubject::Output:
      raiseMessage(e, message.code, output);
      break;
    case ScanSubject::None:
      raiseMessage(e, message.code);
      break;
  }
}

}  // namespace mora
