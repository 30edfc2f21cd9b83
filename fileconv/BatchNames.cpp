#include "BatchNames.h"

#include "FileNames.h"

#include <sys/stat.h>

namespace {

bool IsBlankOrControl(char byte) {
    return static_cast<unsigned char>(byte) <= ' ';
}

char Capital(char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - ('a' - 'A')) : byte;
}

bool FolderExists(const ByteString& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

ByteString BatchSuffix(const ByteString& typed, ConversionDirection direction) {
    auto begin = typed.begin();
    auto end = typed.end();
    while (begin != end && IsBlankOrControl(*begin))
        ++begin;
    while (end != begin && IsBlankOrControl(*(end - 1)))
        --end;
    if (begin != end)
        return {begin, end};
    return direction == ConversionDirection::GbToBig5 ? "_gb" : "_big5";
}

ByteString SameFolderDestination(const ByteString& source, const ByteString& suffix) {
    const ByteString name = ExtractFileName(source);
    const ByteString extension = ExtractFileExt(name);
    const ByteString base = name.substr(0, name.size() - extension.size());
    return ExtractFilePath(source) + base + suffix + extension;
}

ByteString DestinationFolder(const ByteString& fieldText) {
    return fieldText + '/';
}

ByteString OtherFolderDestination(const ByteString& folder, const ByteString& source) {
    return folder + ExtractFileName(source);
}

bool SameFolder(const ByteString& first, const ByteString& second) {
    if (first.size() != second.size())
        return false;
    for (ByteString::size_type i = 0; i < first.size(); ++i) {
        if (Capital(first[i]) != Capital(second[i]))
            return false;
    }
    return true;
}

bool EnsureFolder(const ByteString& folder) {
    return FolderExists(folder) || ::mkdir(folder.c_str(), 0777) == 0;
}
