#include "IoErrorCodes.h"

#include "FileNames.h"

#include <cerrno>
#include <sys/stat.h>

namespace IoErrorCodes {

namespace {

struct ErrnoCode {
    int errnoValue;
    int code;
};

// Linux errno -> Windows error code. For a failed open, FromOpenErrno turns
// ENOENT into 3 when the folder is missing, as Windows tells a missing file
// from a missing folder. Anything not listed is ERROR_GEN_FAILURE (31),
// shown as "I/O error 31".
constexpr ErrnoCode Table[] = {
    {ENOENT, FileNotFound},       // ERROR_FILE_NOT_FOUND
    {ENOTDIR, PathNotFound},      // ERROR_PATH_NOT_FOUND: a path through a non-folder
    {ENAMETOOLONG, PathNotFound}, //   an over-long name
    {ELOOP, PathNotFound},        //   a cycle of symbolic links
    {EMFILE, TooManyOpenFiles},   // ERROR_TOO_MANY_OPEN_FILES
    {ENFILE, TooManyOpenFiles},   //
    {EACCES, AccessDenied},       // ERROR_ACCESS_DENIED
    {EPERM, AccessDenied},        //
    {EROFS, AccessDenied},        //   a read-only file system
    {EISDIR, AccessDenied},       //   a folder where a file is expected
    {ETXTBSY, SharingViolation},  // ERROR_SHARING_VIOLATION: a running program's file
    {ENOLCK, LockViolation},      // ERROR_LOCK_VIOLATION: no lock could be taken
    {EPIPE, BrokenPipe},          // ERROR_BROKEN_PIPE
    {ENOSPC, DiskFull},           // ERROR_DISK_FULL
    {EDQUOT, DiskFull},           //   a quota
    {EFBIG, FileTooLarge},        // ERROR_FILE_TOO_LARGE
    {EIO, IoDevice},              // ERROR_IO_DEVICE
};

bool IsFolder(const ByteString& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

int FromErrno(int errnoValue) {
    for (const ErrnoCode& entry : Table) {
        if (entry.errnoValue == errnoValue)
            return entry.code;
    }
    return GeneralFailure;
}

int FromLockErrno(int errnoValue) {
    if (errnoValue == EAGAIN || errnoValue == EACCES)
        return SharingViolation;
    return FromErrno(errnoValue);
}

int FromOpenErrno(int errnoValue, const ByteString& fileName) {
    if (errnoValue != ENOENT)
        return FromErrno(errnoValue);
    const ByteString folder = ExtractFilePath(fileName);
    return IsFolder(folder.empty() ? ByteString(".") : folder) ? FileNotFound : PathNotFound;
}

} // namespace IoErrorCodes
