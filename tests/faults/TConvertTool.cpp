#include "TConvertTool.h"

#include "TFileHandle.h"
#include "TUnprivileged.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::string_view Prefix = "quendrel-convert: ";

const char* ToolPath() {
    return std::getenv("QUENDREL_CONVERT");
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void StartChild(const ByteString& workFolder, std::vector<char*>& argv, int errors,
                             const TConvertTool::Limits& limits) {
    const int nothing = ::open("/dev/null", O_RDWR);
    if (nothing < 0 || ::dup2(nothing, STDIN_FILENO) < 0 || ::dup2(nothing, STDOUT_FILENO) < 0 ||
        ::dup2(errors, STDERR_FILENO) < 0 || ::chdir(workFolder.c_str()) != 0)
        ::_exit(126);
    ::close(nothing);
    ::close(errors);
    if (limits.descriptors > 0) {
        const rlimit lowered{static_cast<rlim_t>(limits.descriptors),
                             static_cast<rlim_t>(limits.descriptors)};
        if (::setrlimit(RLIMIT_NOFILE, &lowered) != 0)
            ::_exit(126);
    }
    if (limits.unprivileged && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 ||
         ::setresgid(TUnprivileged::Group, TUnprivileged::Group, TUnprivileged::Group) != 0 ||
         ::setresuid(TUnprivileged::User, TUnprivileged::User, TUnprivileged::User) != 0))
        ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

std::vector<ByteString> LinesOf(const ByteString& text) {
    std::vector<ByteString> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == ByteString::npos)
            end = text.size();
        ByteString line = text.substr(start, end - start);
        if (line.starts_with(Prefix))
            line.erase(0, Prefix.size());
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

std::string TConvertTool::Unavailable() {
    const char* path = ToolPath();
    if (path == nullptr)
        return "QUENDREL_CONVERT does not name quendrel-convert";
    if (::access(path, X_OK) != 0)
        return std::string("cannot run ") + path;
    return {};
}

TConvertTool::Result TConvertTool::Run(const ByteString& workFolder,
                                       const std::vector<ByteString>& arguments,
                                       const Limits& limits) {
    ByteString program = ToolPath();
    std::vector<ByteString> words = arguments;
    std::vector<char*> argv{program.data()};
    for (ByteString& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    char errorsName[] = "/tmp/quendrel-faults-errors-XXXXXX";
    TFileHandle errors(::mkostemp(errorsName, O_CLOEXEC));
    if (!errors.IsOpen())
        throw std::runtime_error("cannot capture standard error");
    ::unlink(errorsName);

    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start quendrel-convert");
    if (child == 0)
        StartChild(workFolder, argv, errors.Descriptor(), limits);

    Result result;
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    ByteString text;
    char buffer[4096];
    ssize_t count;
    while ((count = ::pread(errors.Descriptor(), buffer, sizeof buffer,
                            static_cast<off_t>(text.size()))) > 0)
        text.append(buffer, static_cast<std::size_t>(count));
    result.messages = LinesOf(text);
    return result;
}
