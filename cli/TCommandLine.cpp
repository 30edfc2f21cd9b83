#include "TCommandLine.h"

#include "EUsageError.h"
#include "Version.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

enum class OptionId { GbToBig5, Big5ToGb, HtmlCharset, Output, Suffix, OutputDir, Help, Version };

struct Option {
    std::string_view name;
    OptionId id;
    bool takesValue;
};

constexpr Option Options[] = {
    {"--gb-to-big5", OptionId::GbToBig5, false},
    {"--big5-to-gb", OptionId::Big5ToGb, false},
    {"--html-charset", OptionId::HtmlCharset, false},
    {"-o", OptionId::Output, true},
    {"--output", OptionId::Output, true},
    {"--suffix", OptionId::Suffix, true},
    {"--output-dir", OptionId::OutputDir, true},
    {"--help", OptionId::Help, false},
    {"--version", OptionId::Version, false},
};

const Option* FindOption(std::string_view name) {
    const auto found = std::find_if(std::begin(Options), std::end(Options),
                                    [&](const Option& option) { return option.name == name; });
    return found == std::end(Options) ? nullptr : found;
}

bool IsFileName(const ByteString& argument) {
    return argument.size() < 2 || argument.front() != '-';
}

} // namespace

TCommandLine::TCommandLine(const std::vector<ByteString>& arguments) {
    bool optionsEnded = false;
    std::size_t next = 0;
    while (next < arguments.size()) {
        const ByteString& argument = arguments[next++];
        if (optionsEnded || IsFileName(argument)) {
            FFiles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else {
            ParseOption(argument, arguments, next);
            // --help and --version are answered whatever else is given.
            if (FAction != CommandAction::Convert)
                return;
        }
    }
    Check();
}

void TCommandLine::ParseOption(const ByteString& argument, const std::vector<ByteString>& arguments,
                               std::size_t& next) {
    ByteString name = argument;
    std::optional<ByteString> value;
    if (argument.starts_with("--")) {
        if (const auto equals = argument.find('='); equals != ByteString::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
    } else if (argument.size() > 2) {
        name = argument.substr(0, 2); // -oOUTPUT
        value = argument.substr(2);
    }

    const Option* option = FindOption(name);
    if (option == nullptr)
        throw EUsageError("unrecognized option '" + name + "'");
    if (option->takesValue && !value) {
        if (next == arguments.size())
            throw EUsageError("option '" + name + "' requires an argument");
        value = arguments[next++];
    }
    if (!option->takesValue && value)
        throw EUsageError("option '" + name + "' doesn't allow an argument");

    switch (option->id) {
    case OptionId::GbToBig5:
        SetDirection(ConversionDirection::GbToBig5);
        break;
    case OptionId::Big5ToGb:
        SetDirection(ConversionDirection::Big5ToGb);
        break;
    case OptionId::HtmlCharset:
        FHtmlCharset = true;
        break;
    case OptionId::Output:
        // "-" is standard output, as a FILE "-" is standard input.
        FOutput = *value == "-" ? std::nullopt : std::optional<ByteString>(*value);
        break;
    case OptionId::Suffix:
        SetBatch(BatchKind::SameFolder);
        FSuffix = *value;
        break;
    case OptionId::OutputDir:
        SetBatch(BatchKind::OtherFolder);
        FOutputFolder = *value;
        break;
    case OptionId::Help:
        FAction = CommandAction::ShowHelp;
        break;
    case OptionId::Version:
        FAction = CommandAction::ShowVersion;
        break;
    }
}

void TCommandLine::SetDirection(ConversionDirection direction) {
    if (FDirectionGiven && direction != FDirection)
        throw EUsageError("--gb-to-big5 and --big5-to-gb cannot be combined");
    FDirectionGiven = true;
    FDirection = direction;
}

void TCommandLine::SetBatch(BatchKind batch) {
    if (FBatch != BatchKind::None && batch != FBatch)
        throw EUsageError("--suffix and --output-dir cannot be combined");
    FBatch = batch;
}

void TCommandLine::Check() const {
    if (!FDirectionGiven)
        throw EUsageError("choose a direction: --gb-to-big5 or --big5-to-gb");
    if (FBatch == BatchKind::None) {
        if (FFiles.size() > 1)
            throw EUsageError("several files need --suffix or --output-dir");
        return;
    }
    if (FOutput)
        throw EUsageError("-o cannot be combined with --suffix or --output-dir");
    if (FFiles.empty() || std::find(FFiles.begin(), FFiles.end(), "-") != FFiles.end())
        throw EUsageError("--suffix and --output-dir need file names, not standard input");
    // The window's message for an empty folder field.
    if (FBatch == BatchKind::OtherFolder && FOutputFolder.empty())
        throw EUsageError("Please choose a destination folder.");
}

ByteString TCommandLine::HelpText() {
    return R"(Usage: quendrel-convert (--gb-to-big5 | --big5-to-gb) [--html-charset] [-o OUTPUT] [FILE]
  or:  quendrel-convert (--gb-to-big5 | --big5-to-gb) [--html-charset]
                        (--suffix S | --output-dir DIR) FILE...
Convert Chinese text between GB2312 and Big5, line by line; every line is
written followed by CR LF.

With no FILE, or when FILE is -, read standard input.

  --gb-to-big5          convert GB2312 text to Big5
  --big5-to-gb          convert Big5 text to GB2312
  --html-charset        rewrite the charset declaration in the first 21 lines
                        of .htm and .html files (always on standard input)
  -o, --output=OUTPUT   write to OUTPUT instead of standard output (-)
  --suffix=S            write each FILE beside itself, with S after its base
                        name; a blank S means _gb for --gb-to-big5 and
                        _big5 for --big5-to-gb
  --output-dir=DIR      write each FILE into DIR under its own name; only the
                        last level of DIR is created
  --help                display this help and exit
  --version             output version information and exit

Exit status is 0 when every file was converted, 1 when any failed, and 2
for a usage error.
)";
}

ByteString TCommandLine::VersionText() {
    return ByteString(ProgramName) + " (" + ByteString(ProductName) + ") " +
           ByteString(ProgramVersion) + "\n";
}
