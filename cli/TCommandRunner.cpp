#include "TCommandRunner.h"

#include "BIG2GB.h"
#include "BatchNames.h"
#include "EInOutError.h"
#include "ExitStatus.h"
#include "FileNames.h"
#include "GB2BIG.h"
#include "IoErrorCodes.h"
#include "TFileHandle.h"
#include "TTextReader.h"
#include "TTextWriter.h"
#include "Version.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view StandardInput = "-";
constexpr std::string_view StandardInputName = "standard input";

// A copy of a standard descriptor, so that closing it leaves the process's own.
TFileHandle Duplicate(int descriptor) {
    const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        throw EInOutError(IoErrorCodes::FromErrno(errno));
    return TFileHandle(copy);
}

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> RegularFile(const struct stat& status) {
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> IdentityOf(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 ? RegularFile(status) : std::nullopt;
}

std::optional<FileIdentity> IdentityOf(const ByteString& fileName) {
    struct stat status {};
    return ::stat(fileName.c_str(), &status) == 0 ? RegularFile(status) : std::nullopt;
}

// Standard input or output may be the other file of the conversion, opened
// by the shell: no lock of ours tells, so their identities are compared.
// Two named files are told apart by their locks.
void CheckNotOwnSource(const ByteString& source, const std::optional<ByteString>& dest) {
    if (source != StandardInput && dest)
        return;
    const auto in = source == StandardInput ? IdentityOf(STDIN_FILENO) : IdentityOf(source);
    const auto out = dest ? IdentityOf(*dest) : IdentityOf(STDOUT_FILENO);
    if (in && out && *in == *out)
        throw EInOutError(IoErrorCodes::SharingViolation);
}

TTextReader OpenSource(const ByteString& source) {
    if (source == StandardInput)
        return TTextReader(Duplicate(STDIN_FILENO));
    return TTextReader(source);
}

TTextWriter OpenDestination(const std::optional<ByteString>& dest) {
    if (!dest)
        return TTextWriter(Duplicate(STDOUT_FILENO));
    return TTextWriter(*dest);
}

} // namespace

TCommandRunner::TCommandRunner(const TCommandLine& commandLine, std::ostream& errors)
    : FCommandLine(commandLine), FErrors(errors) {}

int TCommandRunner::Run() {
    try {
        TBIG2GB big5ToGb;
        TGB2BIG gbToBig5;
        const Converters converters{big5ToGb, gbToBig5};
        switch (FCommandLine.Batch()) {
        case BatchKind::None:
            ConvertSingle(converters);
            break;
        case BatchKind::SameFolder:
            ConvertSameFolder(converters);
            break;
        case BatchKind::OtherFolder:
            ConvertOtherFolder(converters);
            break;
        }
    } catch (const Exception& e) {
        Fail(e.Message());
    } catch (const std::exception& e) {
        Fail(e.what());
    }
    return FFailed ? ExitStatus::Failed : ExitStatus::Converted;
}

void TCommandRunner::ConvertSingle(const Converters& converters) {
    const auto& files = FCommandLine.Files();
    const ByteString source = files.empty() ? ByteString(StandardInput) : files.front();
    ConvertOne(source, FCommandLine.Output(), converters);
}

void TCommandRunner::ConvertSameFolder(const Converters& converters) {
    const ByteString suffix = BatchSuffix(FCommandLine.Suffix(), FCommandLine.Direction());
    for (const ByteString& source : FCommandLine.Files())
        ConvertOne(source, SameFolderDestination(source, suffix), converters);
}

void TCommandRunner::ConvertOtherFolder(const Converters& converters) {
    const ByteString folder = DestinationFolder(FCommandLine.OutputFolder());
    const auto& files = FCommandLine.Files();
    // As in the window, only the first file's folder is compared.
    if (SameFolder(folder, ExtractFilePath(files.front())))
        throw Exception("The destination folder should not be the source folder.");
    if (!EnsureFolder(folder))
        throw Exception("Cannot create " + folder);
    for (const ByteString& source : files)
        ConvertOne(source, OtherFolderDestination(folder, source), converters);
}

void TCommandRunner::ConvertOne(const ByteString& source, const std::optional<ByteString>& dest,
                                const Converters& converters) {
    CheckNotOwnSource(source, dest);
    const bool fromStandardInput = source == StandardInput;
    TTextReader reader = OpenSource(source);
    TTextWriter writer = OpenDestination(dest);
    // Standard input has no extension to go by.
    const bool modifyCharset = fromStandardInput
                                   ? FCommandLine.HtmlCharset()
                                   : ShouldModifyCharset(source, FCommandLine.HtmlCharset());
    const bool converted =
        ConvertStream(reader, writer, fromStandardInput ? ByteString(StandardInputName) : source,
                      FCommandLine.Direction(), modifyCharset, converters,
                      [this](const ByteString& message) { Show(message); });
    if (!converted)
        FFailed = true;
}

void TCommandRunner::Show(const ByteString& message) {
    FErrors << ProgramName << ": " << message << '\n' << std::flush;
}

void TCommandRunner::Fail(const ByteString& message) {
    Show(message);
    FFailed = true;
}
