#include "FaultTest.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

ByteString ReadBytes(const ByteString& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + fileName);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const ByteString& fileName, const ByteString& bytes) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + fileName);
}

bool Exists(const ByteString& fileName) {
    struct stat st {};
    return ::lstat(fileName.c_str(), &st) == 0;
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

void FaultTest::SetUp() {
    FDescriptorsAtStart = OpenDescriptorCount();
}

void FaultTest::TearDown() {
    EXPECT_EQ(OpenDescriptorCount(), FDescriptorsAtStart) << "a descriptor was left open";
    for (const ByteString& source : FSources.Changed())
        ADD_FAILURE() << "source changed or lost: " << source;
    FMounts.clear();
}

ByteString FaultTest::MakeFolder(const ByteString& name) const {
    const ByteString folder = Path(name);
    std::filesystem::create_directories(folder);
    return folder;
}

ByteString FaultTest::MakeSource(const ByteString& name, const ByteString& text) {
    const ByteString fileName = Path(name);
    WriteBytes(fileName, text);
    FSources.Take(fileName);
    return fileName;
}

ByteString FaultTest::Text(std::size_t size, int seed) {
    // Traditional characters (0xA4 0x40 onwards) and ASCII, in CR LF lines.
    ByteString text;
    text.reserve(size + 80);
    for (int line = 0; text.size() < size; ++line) {
        text += "line " + std::to_string(seed) + "." + std::to_string(line) + " ";
        for (int k = 0; k < 24; ++k) {
            text += static_cast<char>(0xA4 + (line + k + seed) % 8);
            text += static_cast<char>(0x40 + (line * 7 + k) % 0x3F);
        }
        text += "\r\n";
    }
    return text;
}

ByteString FaultTest::Converted(const ByteString& text) {
    ByteString converted;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        converted += FBig5ToGb.Convert(text.substr(start, end - start)) + "\r\n";
        start = end + 2;
    }
    return converted;
}

BatchOutcome FaultTest::RunBatch(const std::vector<ByteString>& sources,
                                 const TBatch::Destination& destination,
                                 const TBatch::BeforeEach& beforeEach) {
    const TBatch batch(ConversionDirection::Big5ToGb, Converters{FBig5ToGb, FGbToBig5});
    return batch.Run(sources, destination, beforeEach);
}

std::string FaultTest::MountSmallFileSystem(const ByteString& at, unsigned sizeKiB) {
    if (std::string why = TPrivateMount::Unavailable(); !why.empty())
        return why;
    FMounts.push_back(TPrivateMount::SmallFileSystem(at, sizeKiB));
    return {};
}

std::string FaultTest::MountReadOnly(const ByteString& folder) {
    if (std::string why = TPrivateMount::Unavailable(); !why.empty())
        return why;
    FMounts.push_back(TPrivateMount::ReadOnly(folder));
    return {};
}

void FaultTest::MoveAway(const ByteString& source) {
    const ByteString away = source + ".moved-away";
    std::filesystem::rename(source, away);
    FSources.Moved(source, away);
}
