// ConvertFile on a real file with random buffer sizes, against the whole-line
// reference: the same destination bytes, only the end-of-file mark message,
// and the source untouched.

#include "BIG2GB.h"
#include "ByteString.h"
#include "ConvertFile.h"
#include "GB2BIG.h"
#include "WholeLines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// A folder of this process's own, in memory where the machine has one;
// removed when the fuzzer exits.
class TWorkFolder {
  public:
    TWorkFolder() {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/quendrel-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            Fail("cannot create a work folder");
        FPath = pattern;
    }
    ~TWorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TWorkFolder(const TWorkFolder&) = delete;
    TWorkFolder& operator=(const TWorkFolder&) = delete;

    std::string Path(const char* name) const { return FPath + "/" + name; }

  private:
    std::string FPath;
};

void WriteBytes(const std::string& fileName, const ByteString& bytes) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        Fail("cannot write the source");
}

ByteString ReadBytes(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TBIG2GB big5ToGb;
    static TGB2BIG gbToBig5;
    static const TWorkFolder folder;
    static const std::string sourceName = folder.Path("source.htm");
    static const std::string destName = folder.Path("dest.htm");
    const Converters converters{big5ToGb, gbToBig5};

    FuzzedDataProvider input(data, size);
    const auto direction =
        input.ConsumeBool() ? ConversionDirection::Big5ToGb : ConversionDirection::GbToBig5;
    const bool modifyCharset = input.ConsumeBool();
    ConvertOptions options;
    options.readBufferSize = input.ConsumeIntegralInRange<std::size_t>(1, 300);
    options.writeBufferSize = input.ConsumeIntegralInRange<std::size_t>(1, 300);
    const ByteString source = input.ConsumeRemainingBytesAsString();
    WriteBytes(sourceName, source);

    std::vector<ByteString> shown;
    ConvertFile(
        sourceName, destName, direction, modifyCharset, converters,
        [&shown](const ByteString& message) { shown.push_back(message); }, options);

    if (ReadBytes(destName) != ConvertWholeFile(source, direction, modifyCharset, converters))
        Fail("the destination differs from the whole-line conversion");
    const bool markBeforeMoreBytes = SplitIntoLines(source).markBeforeMoreBytes.has_value();
    if (shown.size() != (markBeforeMoreBytes ? 1U : 0U))
        Fail("unexpected messages");
    if (ReadBytes(sourceName) != source)
        Fail("the source was changed");
    return 0;
}
