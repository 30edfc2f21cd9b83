#pragma once

#include "ByteString.h"
#include "ConvertFile.h"
#include "TCommandLine.h"

#include <optional>
#include <ostream>

// Runs the conversion a command line asks for, file by file as the window's
// file pages do: an error while opening or closing a file ends the run, one
// inside a file's conversion is reported and the next file follows. Messages
// go to `errors`, each prefixed with the program's name.
class TCommandRunner {
  public:
    TCommandRunner(const TCommandLine& commandLine, std::ostream& errors);

    // Returns the exit status: Converted when every file converted, Failed
    // otherwise.
    int Run();

  private:
    void ConvertSingle(const Converters& converters);
    void ConvertSameFolder(const Converters& converters);
    void ConvertOtherFolder(const Converters& converters);

    // Converts `source` ("-" for standard input) into `dest` (none for
    // standard output). Raises EInOutError while opening or closing.
    void ConvertOne(const ByteString& source, const std::optional<ByteString>& dest,
                    const Converters& converters);

    void Show(const ByteString& message);
    void Fail(const ByteString& message);

    const TCommandLine& FCommandLine;
    std::ostream& FErrors;
    bool FFailed = false;
};
