#pragma once
// Win32 status codes the program looks at (0 = success).

namespace cw {

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorPathNotFound = 3;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorNotEnoughMemory = 8;
inline constexpr long kErrorWriteProtect = 19;
inline constexpr long kErrorSharingViolation = 32;
inline constexpr long kErrorLockViolation = 33;
inline constexpr long kErrorHandleDiskFull = 39;
inline constexpr long kErrorNotSupported = 50;
inline constexpr long kErrorFileExists = 80;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorDiskFull = 112;
inline constexpr long kErrorInsufficientBuffer = 122;
inline constexpr long kErrorInvalidName = 123;
inline constexpr long kErrorDirNotEmpty = 145;
inline constexpr long kErrorAlreadyExists = 183;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;
inline constexpr long kErrorDirectory = 267;

}  // namespace cw
