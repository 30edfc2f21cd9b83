#include "ConverterRun.h"
#include "FileTestSupport.h"
#include "Version.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr ConversionDirection GbToBig5 = ConversionDirection::GbToBig5;
constexpr ConversionDirection Big5ToGb = ConversionDirection::Big5ToGb;

const char* DirectionOption(ConversionDirection direction) {
    return direction == GbToBig5 ? "--gb-to-big5" : "--big5-to-gb";
}

ByteString UsageMessage(const ByteString& message) {
    return "quendrel-convert: " + message +
           "\nTry 'quendrel-convert --help' for more information.\n";
}

ByteString Message(const ByteString& message) {
    return "quendrel-convert: " + message + "\n";
}

// A few lines of each encoding with every kind of line end, a declaration
// and a lead byte that ends the file.
const ByteString GbText = "<meta charset=GB2312>\r\n\xD6\xD0\xCE\xC4 text 123\r\n"
                          "\xBC\xF2\xCC\xE5\rLF\nonly\r\n\r\n\xB0";
const ByteString Big5Text = "<meta charset=Big5>\r\n\xA4\xA4\xA4\xE5 text 123\r\n"
                            "\xC1\x63\xC5\xE9\rLF\nonly\r\n\r\n\xA4";

const ByteString& SampleText(ConversionDirection direction) {
    return direction == GbToBig5 ? GbText : Big5Text;
}

// Several reader buffers of text in the direction's codes, with lead bytes,
// line ends and declarations falling anywhere.
ByteString LongText(ConversionDirection direction) {
    std::mt19937 random(6);
    const int leadFirst = direction == GbToBig5 ? 0xB0 : 0xA4;
    const int leadLast = direction == GbToBig5 ? 0xD7 : 0xC6;
    std::uniform_int_distribution<int> kind(0, 99), lead(leadFirst, leadLast), trail(0xA1, 0xFE),
        ascii(0x20, 0x7E);
    const ByteString declaration = direction == GbToBig5 ? "charset=gb2312" : "charset=big5";
    ByteString text;
    while (text.size() < 300'000) {
        const int k = kind(random);
        if (k < 70) {
            text += static_cast<char>(lead(random));
            text += static_cast<char>(trail(random));
        } else if (k < 90) {
            text += static_cast<char>(ascii(random));
        } else if (k < 97) {
            text += k % 3 == 0 ? "\r\n" : k % 3 == 1 ? "\r" : "\n";
        } else {
            text += declaration;
        }
    }
    return text;
}

// Runs the program in a fresh folder, and converts with ConvertFile itself
// to know what the program must write.
class CommandLineTest : public ::testing::Test {
  protected:
    ByteString Path(const ByteString& name) const { return FWork.Path(name); }

    RunResult Run(const std::vector<ByteString>& arguments, const RunStreams& streams = {}) {
        return RunConverter(FWork.Path(""), arguments, streams);
    }

    void Write(const ByteString& name, const ByteString& content) {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        WriteBytes(Path(name), content);
    }

    ByteString Read(const ByteString& name) const { return ReadBytes(Path(name)); }

    ByteString Expected(const ByteString& content, ConversionDirection direction,
                        bool modifyCharset) {
        const ByteString source = FScratch.Path("source");
        const ByteString dest = FScratch.Path("dest");
        WriteBytes(source, content);
        ConvertFile(source, dest, direction, modifyCharset, Converters{FBig5ToGb, FGbToBig5},
                    [](const ByteString&) {});
        return ReadBytes(dest);
    }

  private:
    TBIG2GB FBig5ToGb;
    TGB2BIG FGbToBig5;
    TempFolder FWork;
    TempFolder FScratch;
};

TEST_F(CommandLineTest, UsageErrors) {
    struct Case {
        std::vector<ByteString> arguments;
        ByteString message;
    };
    const Case cases[] = {
        {{}, "choose a direction: --gb-to-big5 or --big5-to-gb"},
        {{"a.txt"}, "choose a direction: --gb-to-big5 or --big5-to-gb"},
        {{"--gb-to-big5", "--big5-to-gb"}, "--gb-to-big5 and --big5-to-gb cannot be combined"},
        {{"--gb-to-big5", "--bogus"}, "unrecognized option '--bogus'"},
        {{"--gb-to-big5", "-x"}, "unrecognized option '-x'"},
        {{"--gb-to-big5=yes"}, "option '--gb-to-big5' doesn't allow an argument"},
        {{"--gb-to-big5", "-o"}, "option '-o' requires an argument"},
        {{"--gb-to-big5", "a.txt", "--suffix"}, "option '--suffix' requires an argument"},
        {{"--gb-to-big5", "a.txt", "b.txt"}, "several files need --suffix or --output-dir"},
        {{"--gb-to-big5", "--suffix=_x", "--output-dir=out", "a.txt"},
         "--suffix and --output-dir cannot be combined"},
        {{"--gb-to-big5", "-o", "out.txt", "--suffix", "_x", "a.txt"},
         "-o cannot be combined with --suffix or --output-dir"},
        {{"--gb-to-big5", "--suffix", "_x"},
         "--suffix and --output-dir need file names, not standard input"},
        {{"--gb-to-big5", "--output-dir", "out", "a.txt", "-"},
         "--suffix and --output-dir need file names, not standard input"},
        {{"--gb-to-big5", "--output-dir", "", "a.txt"}, "Please choose a destination folder."},
    };
    Write("a.txt", GbText);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const RunResult result = Run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, UsageMessage(c.message));
        EXPECT_EQ(result.out, "");
    }
    // Nothing was written.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("")), {}), 1);
}

TEST_F(CommandLineTest, HelpAndVersion) {
    for (const std::vector<ByteString>& arguments :
         {std::vector<ByteString>{"--help"}, {"--gb-to-big5", "a.txt", "b.txt", "--help"}}) {
        const RunResult help = Run(arguments);
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with(
            "Usage: quendrel-convert (--gb-to-big5 | --big5-to-gb) [--html-charset]"))
            << help.out;
        EXPECT_EQ(help.err, "");
    }
    const RunResult version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quendrel-convert (Quendrel) " + ByteString(ProgramVersion) + "\n");
    EXPECT_EQ(version.err, "");
}

TEST_F(CommandLineTest, StandardInputToStandardOutput) {
    struct Case {
        const char* name;
        ConversionDirection direction;
        ByteString text;
        bool throughPipe;
        bool htmlCharset;
    };
    const Case cases[] = {
        {"GB sample", GbToBig5, GbText, false, false},
        {"Big5 sample", Big5ToGb, Big5Text, false, false},
        {"GB sample, rewritten", GbToBig5, GbText, false, true},
        {"Big5 sample, rewritten", Big5ToGb, Big5Text, true, true},
        {"long GB text through a pipe", GbToBig5, LongText(GbToBig5), true, true},
        {"long Big5 text", Big5ToGb, LongText(Big5ToGb), false, false},
        {"empty", GbToBig5, "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ByteString expected = Expected(c.text, c.direction, c.htmlCharset);
        for (const bool dash : {false, true}) {
            std::vector<ByteString> arguments{DirectionOption(c.direction)};
            if (c.htmlCharset)
                arguments.push_back("--html-charset");
            if (dash)
                arguments.push_back("-");
            const RunResult result = Run(arguments, RunStreams::Text(c.text, c.throughPipe));
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(result.err, "");
            EXPECT_TRUE(result.out == expected) << "output differs from ConvertFile's";
        }
    }
}

TEST_F(CommandLineTest, OutputOptionAndFileArgument) {
    Write("in.txt", GbText);
    const ByteString expected = Expected(GbText, GbToBig5, false);
    ASSERT_NE(expected, GbText);

    RunResult result = Run({"--gb-to-big5", "in.txt", "-o", "out1.txt"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Read("out1.txt"), expected);

    result = Run({"--gb-to-big5", "--output=out2.txt"}, RunStreams::Text(GbText));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Read("out2.txt"), expected);

    for (const std::vector<ByteString>& arguments :
         {std::vector<ByteString>{"--gb-to-big5", "in.txt"},
          {"--gb-to-big5", "-o", "-", "in.txt"}}) {
        result = Run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, expected);
        EXPECT_EQ(result.err, "");
    }
    EXPECT_FALSE(Exists(Path("-")));
}

TEST_F(CommandLineTest, SameFolderBatchNamesAsTheWindow) {
    struct Case {
        std::vector<ByteString> options;
        ConversionDirection direction;
        std::vector<ByteString> destinations;
    };
    const std::vector<ByteString> sources{"a.htm", "texts/readme", "texts/my.txtfile.txt"};
    const Case cases[] = {
        {{"--suffix", ""}, GbToBig5, {"a_gb.htm", "texts/readme_gb", "texts/my.txtfile_gb.txt"}},
        {{"--suffix=   "},
         Big5ToGb,
         {"a_big5.htm", "texts/readme_big5", "texts/my.txtfile_big5.txt"}},
        {{"--suffix", "-tw"}, GbToBig5, {"a-tw.htm", "texts/readme-tw", "texts/my.txtfile-tw.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.destinations.front());
        for (const ByteString& source : sources)
            Write(source, SampleText(c.direction));
        std::vector<ByteString> arguments{DirectionOption(c.direction)};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), sources.begin(), sources.end());

        const RunResult result = Run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const ByteString expected = Expected(SampleText(c.direction), c.direction, false);
        for (const ByteString& dest : c.destinations) {
            ASSERT_TRUE(Exists(Path(dest))) << dest;
            EXPECT_EQ(Read(dest), expected) << dest;
        }
    }
}

TEST_F(CommandLineTest, OtherFolderBatchNamesAsTheWindow) {
    Write("texts/a.htm", Big5Text);
    Write("more/b.txt", Big5Text);
    const ByteString expected = Expected(Big5Text, Big5ToGb, false);
    for (const ByteString& folder : {Path("out"), ByteString("relative")}) {
        SCOPED_TRACE(folder);
        const RunResult result =
            Run({"--big5-to-gb", "--output-dir", folder, "texts/a.htm", "more/b.txt"});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const ByteString inWork = folder.starts_with("/") ? folder : Path(folder);
        EXPECT_EQ(ReadBytes(inWork + "/a.htm"), expected);
        EXPECT_EQ(ReadBytes(inWork + "/b.txt"), expected);
    }
}

TEST_F(CommandLineTest, OtherFolderChecks) {
    struct Case {
        ByteString folder;
        ByteString message;
    };
    const Case cases[] = {
        {"Texts", "The destination folder should not be the source folder."},
        {"missing/out", "Cannot create missing/out/"},
    };
    Write("texts/a.txt", GbText);
    Write("other/b.txt", GbText);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const RunResult result =
            Run({"--gb-to-big5", "--output-dir", c.folder, "texts/a.txt", "other/b.txt"});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, Message(c.message));
    }
    EXPECT_FALSE(Exists(Path("missing")));
    EXPECT_FALSE(Exists(Path("texts/b.txt")));
    EXPECT_EQ(Read("texts/a.txt"), GbText);
}

TEST_F(CommandLineTest, MissingFileEndsTheBatch) {
    Write("a.txt", GbText);
    Write("c.txt", GbText);
    const RunResult result = Run({"--gb-to-big5", "--suffix", "", "a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Message("File not found"));
    EXPECT_EQ(Read("a_gb.txt"), Expected(GbText, GbToBig5, false));
    EXPECT_FALSE(Exists(Path("b_gb.txt")));
    EXPECT_FALSE(Exists(Path("c_gb.txt")));
}

TEST_F(CommandLineTest, FailureInsideAFileGoesOnWithTheNext) {
    // Longer than the write buffer: the write fails inside the loop, not on closing.
    Write("a.txt", LongText(GbToBig5));
    Write("b.txt", GbText);
    std::filesystem::create_directory(Path("out"));
    // Every write to it fails with a full disk.
    std::filesystem::create_symlink("/dev/full", Path("out/a.txt"));
    const RunResult result = Run({"--gb-to-big5", "--output-dir", "out", "a.txt", "b.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Message("I/O error 112"));
    EXPECT_EQ(Read("out/b.txt"), Expected(GbText, GbToBig5, false));
}

TEST_F(CommandLineTest, ConversionOntoItsOwnSourceFailsSafely) {
    struct Case {
        const char* name;
        std::vector<ByteString> arguments;
        RunStreams streams;
    };
    const Case cases[] = {
        {"-o names the source", {"--gb-to-big5", "a.txt", "-o", "./a.txt"}, {}},
        {"output folder of the source", {"--gb-to-big5", "--output-dir", ".", "a.txt"}, {}},
        {"standard input is the output",
         {"--gb-to-big5", "-o", "a.txt"},
         RunStreams::FromFile(Path("a.txt"))},
        {"standard output appends to the source",
         {"--gb-to-big5", "a.txt"},
         RunStreams::AppendingTo(Path("a.txt"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("a.txt", GbText);
        const RunResult result = Run(c.arguments, c.streams);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, Message("I/O error 32"));
        EXPECT_EQ(Read("a.txt"), GbText);
    }
}

TEST_F(CommandLineTest, HtmlCharsetByExtension) {
    struct Case {
        ByteString source;
        bool rewritten;
    };
    const Case cases[] = {
        {"a.htm", true}, {"b.HTML", true}, {"c.shtml", false}, {"d.html.bak", false}, {"e", false},
    };
    std::vector<ByteString> arguments{"--gb-to-big5", "--html-charset", "--suffix", "_x"};
    for (const Case& c : cases) {
        Write(c.source, GbText);
        arguments.push_back(c.source);
    }
    const RunResult result = Run(arguments);
    EXPECT_EQ(result.status, 0);
    const ByteString rewritten = Expected(GbText, GbToBig5, true);
    const ByteString untouched = Expected(GbText, GbToBig5, false);
    ASSERT_NE(rewritten, untouched);
    const std::vector<ByteString> destinations{"a_x.htm", "b_x.HTML", "c_x.shtml", "d.html_x.bak",
                                               "e_x"};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Read(destinations[i]), cases[i].rewritten ? rewritten : untouched)
            << cases[i].source;
}

TEST_F(CommandLineTest, EndOfFileMarkOnStandardInputIsReported) {
    const RunResult result = Run({"--big5-to-gb"}, RunStreams::Text("ab\r\ncd\x1A"
                                                                    "ef"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "ab\r\ncd\r\n");
    EXPECT_EQ(result.err, Message("The text of standard input ends at the end-of-file mark "
                                  "(Ctrl+Z) at byte offset 6; the bytes after it were not "
                                  "converted."));
}

} // namespace
