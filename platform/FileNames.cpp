#include "FileNames.h"

namespace {

// Length of the folder part.
ByteString::size_type FolderLength(const ByteString& fileName) {
    const auto slash = fileName.rfind('/');
    return slash == ByteString::npos ? 0 : slash + 1;
}

} // namespace

ByteString ExtractFilePath(const ByteString& fileName) {
    return fileName.substr(0, FolderLength(fileName));
}

ByteString ExtractFileName(const ByteString& fileName) {
    return fileName.substr(FolderLength(fileName));
}

ByteString ExtractFileExt(const ByteString& fileName) {
    const auto start = FolderLength(fileName);
    const auto dot = fileName.rfind('.');
    if (dot == ByteString::npos || dot < start)
        return {};
    return fileName.substr(dot);
}
