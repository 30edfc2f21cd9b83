#include "BatchNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SameFolderCase {
    const char* source;
    const char* typedSuffix;
    ConversionDirection direction;
    const char* destination;
};

const SameFolderCase SameFolderNames[] = {
    {"/texts/a.htm", "", ConversionDirection::GbToBig5, "/texts/a_gb.htm"},
    {"/texts/a.htm", "", ConversionDirection::Big5ToGb, "/texts/a_big5.htm"},
    {"/texts/a.htm", "   ", ConversionDirection::GbToBig5, "/texts/a_gb.htm"},
    {"/texts/a.htm", "-tw", ConversionDirection::GbToBig5, "/texts/a-tw.htm"},
    {"/texts/a.htm", " \t-tw\r\n", ConversionDirection::Big5ToGb, "/texts/a-tw.htm"},
    {"/texts/a.htm", "new tw", ConversionDirection::GbToBig5, "/texts/anew tw.htm"},
    {"/texts/readme", "", ConversionDirection::GbToBig5, "/texts/readme_gb"},
    {"/texts/my.txtfile.txt", "", ConversionDirection::GbToBig5, "/texts/my.txtfile_gb.txt"},
    {"/te.xts/readme", "", ConversionDirection::Big5ToGb, "/te.xts/readme_big5"},
    {"a.txt", "", ConversionDirection::GbToBig5, "a_gb.txt"},
    {"/texts/.profile", "", ConversionDirection::GbToBig5, "/texts/_gb.profile"},
};

TEST(BatchNamesTest, SameFolderDestinations) {
    for (const SameFolderCase& c : SameFolderNames) {
        const ByteString suffix = BatchSuffix(c.typedSuffix, c.direction);
        EXPECT_EQ(SameFolderDestination(c.source, suffix), c.destination)
            << c.source << " [" << c.typedSuffix << "]";
    }
}

TEST(BatchNamesTest, OtherFolderDestinations) {
    EXPECT_EQ(OtherFolderDestination(DestinationFolder("/out"), "/texts/a.htm"), "/out/a.htm");
    EXPECT_EQ(OtherFolderDestination(DestinationFolder("/out/"), "/texts/a.htm"), "/out//a.htm");
    EXPECT_EQ(OtherFolderDestination(DestinationFolder(" out "), "/texts/a.htm"), " out /a.htm");
}

struct FolderPair {
    const char* first;
    const char* second;
    bool same;
};

const FolderPair Folders[] = {
    {"/texts/", "/texts/", true},
    {"/TEXTS/", "/texts/", true},
    {"/Texts/Old/", "/tEXTS/oLD/", true},
    {"/texts//", "/texts/", false},
    {"/text/", "/texts/", false},
    {"/A[/", "/a{/", false},             // only a..z are taken as capitals
    {"/\xC3\xA9/", "/\xC3\x89/", false}, // é and É are other bytes
};

TEST(BatchNamesTest, FoldersCompareWithCapitalLetters) {
    for (const FolderPair& pair : Folders)
        EXPECT_EQ(SameFolder(pair.first, pair.second), pair.same)
            << pair.first << " " << pair.second;
}

TEST(BatchNamesTest, EnsureFolderCreatesTheLastLevelOnly) {
    QTemporaryDir root;
    const QString existing = root.path();
    const QString oneLevel = root.filePath("out");
    const QString twoLevels = root.filePath("missing/out");
    const QString file = root.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);

    EXPECT_TRUE(EnsureFolder(DestinationFolder(existing.toStdString())));
    EXPECT_TRUE(EnsureFolder(DestinationFolder(oneLevel.toStdString())));
    EXPECT_TRUE(QDir(oneLevel).exists());
    EXPECT_FALSE(EnsureFolder(DestinationFolder(twoLevels.toStdString())));
    EXPECT_FALSE(QDir(root.filePath("missing")).exists());
    EXPECT_FALSE(EnsureFolder(DestinationFolder(file.toStdString())));
}

} // namespace
