#include "errors/RuntimeError.h"

#include "platform/Status.h"

namespace cw {

const char* ErrorDescription(int number) {
    switch (number) {
        case err::kInvalidProcedureCall:
            return "Invalid procedure call or argument";
        case err::kOverflow:
            return "Overflow";
        case err::kOutOfMemory:
            return "Out of memory";
        case err::kSubscriptOutOfRange:
            return "Subscript out of range";
        case err::kTypeMismatch:
            return "Type mismatch";
        case err::kFileNotFound:
            return "File not found";
        case err::kFileAlreadyOpen:
            return "File already open";
        case err::kDeviceIoError:
            return "Device I/O error";
        case err::kFileAlreadyExists:
            return "File already exists";
        case err::kDiskFull:
            return "Disk full";
        case err::kPermissionDenied:
            return "Permission denied";
        case err::kPathFileAccessError:
            return "Path/File access error";
        case err::kPathNotFound:
            return "Path not found";
        case err::kInvalidPropertyValue:
            return "Invalid property value";
        default:
            return "Application-defined or object-defined error";
    }
}

int ErrorNumberFromStatus(long status) {
    switch (status) {
        case kErrorSuccess:
            return 0;
        case kErrorFileNotFound:
            return err::kFileNotFound;
        case kErrorPathNotFound:
        case kErrorInvalidName:
        case kErrorDirectory:
            return err::kPathNotFound;
        case kErrorAccessDenied:
        case kErrorDirNotEmpty:
            return err::kPathFileAccessError;
        case kErrorSharingViolation:
        case kErrorLockViolation:
        case kErrorWriteProtect:
            return err::kPermissionDenied;
        case kErrorDiskFull:
        case kErrorHandleDiskFull:
            return err::kDiskFull;
        case kErrorFileExists:
        case kErrorAlreadyExists:
            return err::kFileAlreadyExists;
        case kErrorNotEnoughMemory:
            return err::kOutOfMemory;
        case kErrorInvalidParameter:
            return err::kInvalidProcedureCall;
        default:
            return err::kDeviceIoError;
    }
}

void ThrowIfFailed(long status) {
    if (status != kErrorSuccess) throw RuntimeError(ErrorNumberFromStatus(status));
}

}  // namespace cw
