#include "FileTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quendrel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

void WriteBytes(const ByteString& fileName, const ByteString& content) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file)
        throw std::runtime_error("cannot write " + fileName);
}

ByteString ReadBytes(const ByteString& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + fileName);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Exists(const ByteString& fileName) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(fileName, ignored));
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

void FileConversionTest::Convert(const ByteString& sourceName, const ByteString& destName,
                                 ConversionDirection direction, bool modifyCharset,
                                 const ConvertOptions& options) {
    const Converters converters{FBig5ToGb, FGbToBig5};
    ConvertFile(
        sourceName, destName, direction, modifyCharset, converters,
        [this](const ByteString& message) { FMessages.push_back(message); }, options);
}

ByteString FileConversionTest::ConvertLine(ConversionDirection direction, const ByteString& line) {
    return direction == ConversionDirection::Big5ToGb ? FBig5ToGb.Convert(line)
                                                      : FGbToBig5.Convert(line);
}
