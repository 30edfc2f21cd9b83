#pragma once

#include "ByteString.h"

// The Windows error codes that input/output errors carry, and how Linux's
// errno values map onto them.
namespace IoErrorCodes {

constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int GeneralFailure = 31;
constexpr int SharingViolation = 32;
constexpr int LockViolation = 33;
constexpr int BrokenPipe = 109;
constexpr int DiskFull = 112;
constexpr int FileTooLarge = 223;
constexpr int IoDevice = 1117;

// Code for a failed read, write, lock or close that left `errnoValue`.
int FromErrno(int errnoValue);

// Code for a lock that could not be taken: refused, it is a sharing violation.
int FromLockErrno(int errnoValue);

// Code for a failed open of `fileName`: a missing file is told apart from a
// missing folder, as Windows does.
int FromOpenErrno(int errnoValue, const ByteString& fileName);

} // namespace IoErrorCodes
