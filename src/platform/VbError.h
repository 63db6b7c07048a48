// Run-time failures inside procedures: a platform-style error number with its description.
#pragma once

#include <stdexcept>
#include <string>

namespace myu {

// Error numbers used by the program. Their values are the platform's and never renumbered.
namespace err {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscript = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kFileExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kBadRecordNumber = 63;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidPicture = 481;
}  // namespace err

// The Japanese description the platform gives for an error number.
std::string errorDescription(int number);

class VbError : public std::runtime_error {
 public:
  explicit VbError(int number);
  VbError(int number, const std::string& description);
  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

[[noreturn]] void raise(int number);

// Thrown by a host to stop the run itself (a scenario that cannot go on). Error traps never
// report it; it passes through every procedure to the host.
struct HostAbort : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace myu
