#pragma once
// A run-time failure inside a routine, numbered as the classic Basic run-time errors that
// the error report sends.

#include <string>
#include <utility>

namespace cw {

namespace err {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidPropertyValue = 380;
}  // namespace err

// The classic description of a run-time error number ("Type mismatch", ...).
const char* ErrorDescription(int number);

struct RuntimeError {
    int number = 0;
    std::string description;

    RuntimeError() = default;
    RuntimeError(int n, std::string d) : number(n), description(std::move(d)) {}
    explicit RuntimeError(int n) : number(n), description(ErrorDescription(n)) {}
};

// Basic error number for a Win32 status code of a file or registry operation.
int ErrorNumberFromStatus(long status);
// Throws the RuntimeError that matches a failed status; does nothing for 0.
void ThrowIfFailed(long status);

}  // namespace cw
