#pragma once

#include "ByteString.h"
#include "ConversionDirection.h"

#include <optional>
#include <vector>

// What the command line asks for.
enum class CommandAction { Convert, ShowHelp, ShowVersion };

// Where the destinations of several files go: beside each source under a
// suffixed name, or into one other folder under the same name.
enum class BatchKind { None, SameFolder, OtherFolder };

// The arguments of quendrel-convert, parsed and checked:
//
//   quendrel-convert (--gb-to-big5 | --big5-to-gb) [--html-charset]
//                    [-o OUTPUT | --suffix S | --output-dir DIR] [FILE...]
//
// Options and file names may come in any order; "--" ends the options, and
// a FILE "-" is standard input. An option's value follows as the next
// argument or after "=" (after "-o" also directly).
class TCommandLine {
  public:
    // Parses the arguments that follow the program name. Raises EUsageError.
    explicit TCommandLine(const std::vector<ByteString>& arguments);

    CommandAction Action() const { return FAction; }
    ConversionDirection Direction() const { return FDirection; }
    bool HtmlCharset() const { return FHtmlCharset; }

    // The destination of a single conversion; none for standard output
    // (no -o, or -o -).
    const std::optional<ByteString>& Output() const { return FOutput; }

    // The sources; "-" is standard input, and no FILE means standard input.
    const std::vector<ByteString>& Files() const { return FFiles; }

    BatchKind Batch() const { return FBatch; }
    // The suffix as given, before blanks are trimmed; for SameFolder.
    const ByteString& Suffix() const { return FSuffix; }
    // The destination folder as given; for OtherFolder.
    const ByteString& OutputFolder() const { return FOutputFolder; }

    static ByteString HelpText();
    static ByteString VersionText();

  private:
    void ParseOption(const ByteString& argument, const std::vector<ByteString>& arguments,
                     std::size_t& next);
    void SetDirection(ConversionDirection direction);
    void SetBatch(BatchKind batch);
    void Check() const;

    CommandAction FAction = CommandAction::Convert;
    bool FDirectionGiven = false;
    ConversionDirection FDirection = ConversionDirection::GbToBig5;
    bool FHtmlCharset = false;
    std::optional<ByteString> FOutput;
    std::vector<ByteString> FFiles;
    BatchKind FBatch = BatchKind::None;
    ByteString FSuffix;
    ByteString FOutputFolder;
};
