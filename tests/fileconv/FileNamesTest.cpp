#include "FileNames.h"
#include "ConvertFile.h"
#include "EInOutError.h"
#include "IoErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(FileNames, SplitAtTheLastSlash) {
    struct Case {
        ByteString name, path, fileName, extension;
    };
    const Case cases[] = {
        {"/home/li/a.htm", "/home/li/", "a.htm", ".htm"},
        {"a.html.bak", "", "a.html.bak", ".bak"},
        {"notes", "", "notes", ""},
        {"/old.d/notes", "/old.d/", "notes", ""},
        {"dir/.profile", "dir/", ".profile", ".profile"},
        {"dir/", "dir/", "", ""},
        {"/", "/", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExtractFilePath(c.name), c.path);
        EXPECT_EQ(ExtractFileName(c.name), c.fileName);
        EXPECT_EQ(ExtractFileExt(c.name), c.extension);
    }
}

TEST(ShouldModifyCharset, HtmlExtensionsWithTheBoxTicked) {
    struct Case {
        ByteString name;
        bool ticked;
        bool expected;
    };
    const Case cases[] = {
        {"page.htm", true, true},        {"PAGE.HTM", true, true},
        {"/site/page.html", true, true}, {"page.hTmL", true, true},
        {"/site/.htm", true, true},      {"page.shtml", true, false},
        {"page.html.bak", true, false},  {"page.xml", true, false},
        {"page", true, false},           {"/site.html/page", true, false},
        {"page.htm", false, false},      {"page.html", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + (c.ticked ? " ticked" : " unticked"));
        EXPECT_EQ(ShouldModifyCharset(c.name, c.ticked), c.expected);
    }
}

TEST(EInOutError, MessageFromTheCode) {
    struct Case {
        int code;
        ByteString message;
    };
    const Case cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
        {102, "I/O error 102"},
        {112, "I/O error 112"},
    };
    for (const Case& c : cases) {
        const EInOutError error(c.code);
        EXPECT_EQ(error.ErrorCode(), c.code);
        EXPECT_EQ(error.Message(), c.message);
    }
}

TEST(IoErrorCodes, LinuxErrorsMapOntoWindowsCodes) {
    struct Case {
        int errnoValue;
        int code;
    };
    const Case cases[] = {
        {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4},  {ENFILE, 4},   {EACCES, 5},
        {EPERM, 5},   {EROFS, 5},        {EISDIR, 5},  {ENOSPC, 112}, {EDQUOT, 112},
        {EIO, 1117},  {EFBIG, 223},      {EINVAL, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errnoValue);
        EXPECT_EQ(IoErrorCodes::FromErrno(c.errnoValue), c.code);
    }
    EXPECT_EQ(IoErrorCodes::FromLockErrno(EAGAIN), 32);
    EXPECT_EQ(IoErrorCodes::FromLockErrno(EACCES), 32);
}
