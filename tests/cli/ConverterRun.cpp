#include "ConverterRun.h"

#include "FileTestSupport.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ByteString ConverterPath() {
    const char* path = std::getenv("QUENDREL_CONVERT");
    if (path == nullptr)
        throw std::runtime_error("QUENDREL_CONVERT does not name the program");
    return path;
}

// Owns the file actions of one spawn.
class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&FActions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&FActions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    void Open(int descriptor, const ByteString& fileName, int flags) {
        posix_spawn_file_actions_addopen(&FActions, descriptor, fileName.c_str(), flags, 0644);
    }
    void Duplicate(int from, int to) { posix_spawn_file_actions_adddup2(&FActions, from, to); }
    void Close(int descriptor) { posix_spawn_file_actions_addclose(&FActions, descriptor); }
    void ChangeFolder(const ByteString& folder) {
        posix_spawn_file_actions_addchdir_np(&FActions, folder.c_str());
    }
    const posix_spawn_file_actions_t* Get() const { return &FActions; }

  private:
    posix_spawn_file_actions_t FActions;
};

void WriteAll(int descriptor, const ByteString& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the program stopped reading
        done += static_cast<std::size_t>(n);
    }
}

int ExitStatusOf(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

RunResult RunConverter(const ByteString& workFolder, const std::vector<ByteString>& arguments,
                       const RunStreams& streams) {
    // A program that stops reading early must not end the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const TempFolder captured;
    const ByteString outName = captured.Path("out");
    const ByteString errName = captured.Path("err");

    SpawnActions actions;
    actions.ChangeFolder(workFolder);
    int pipeEnds[2] = {-1, -1};
    if (!streams.inputFile.empty()) {
        actions.Open(STDIN_FILENO, streams.inputFile, O_RDONLY);
    } else if (streams.inputThroughPipe) {
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        actions.Duplicate(pipeEnds[0], STDIN_FILENO);
    } else {
        const ByteString inName = captured.Path("in");
        WriteBytes(inName, streams.input);
        actions.Open(STDIN_FILENO, inName, O_RDONLY);
    }
    if (streams.outputFile.empty())
        actions.Open(STDOUT_FILENO, outName, O_WRONLY | O_CREAT | O_TRUNC);
    else
        actions.Open(STDOUT_FILENO, streams.outputFile, O_WRONLY | O_APPEND);
    actions.Open(STDERR_FILENO, errName, O_WRONLY | O_CREAT | O_TRUNC);

    const ByteString program = ConverterPath();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const ByteString& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawnError =
        ::posix_spawn(&child, program.c_str(), actions.Get(), nullptr, argv.data(), environ);
    if (pipeEnds[0] >= 0) {
        ::close(pipeEnds[0]);
        if (spawnError == 0)
            WriteAll(pipeEnds[1], streams.input);
        ::close(pipeEnds[1]);
    }
    if (spawnError != 0)
        throw std::runtime_error("cannot start " + program);

    RunResult result;
    result.status = ExitStatusOf(child);
    if (streams.outputFile.empty())
        result.out = ReadBytes(outName);
    result.err = ReadBytes(errName);
    return result;
}
