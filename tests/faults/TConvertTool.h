#pragma once

#include "ByteString.h"

#include <string>
#include <vector>

// Runs the command-line tool quendrel-convert, whose path CTest passes in
// QUENDREL_CONVERT, as a child process.
class TConvertTool {
  public:
    struct Limits {
        bool unprivileged = false; // run as the user nobody
        int descriptors = 0;       // the child's limit of open descriptors, when not 0
    };
    struct Result {
        int status = -1;                  // the exit status; -1 when it did not exit
        std::vector<ByteString> messages; // standard error, a line each, without the program's name
    };

    // Why the tool cannot be run here, or empty when it can.
    static std::string Unavailable();

    // Runs the tool with `arguments` in the folder `workFolder`.
    static Result Run(const ByteString& workFolder, const std::vector<ByteString>& arguments,
                      const Limits& limits);
};
