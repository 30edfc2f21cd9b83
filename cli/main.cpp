// quendrel-convert: converts text files between GB2312 and Big5 from the
// command line, as the window's file pages do.
#include "EUsageError.h"
#include "ExitStatus.h"
#include "TCommandLine.h"
#include "TCommandRunner.h"
#include "Version.h"

#include <iostream>
#include <vector>

namespace {

int Print(const ByteString& text) {
    std::cout << text << std::flush;
    return std::cout ? ExitStatus::Converted : ExitStatus::Failed;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        const TCommandLine commandLine(std::vector<ByteString>(argv + 1, argv + argc));
        switch (commandLine.Action()) {
        case CommandAction::ShowHelp:
            return Print(TCommandLine::HelpText());
        case CommandAction::ShowVersion:
            return Print(TCommandLine::VersionText());
        case CommandAction::Convert:
            break;
        }
        return TCommandRunner(commandLine, std::cerr).Run();
    } catch (const EUsageError& e) {
        std::cerr << ProgramName << ": " << e.Message() << "\nTry '" << ProgramName
                  << " --help' for more information.\n";
        return ExitStatus::UsageError;
    }
}
