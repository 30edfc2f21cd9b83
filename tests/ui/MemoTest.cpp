#include "FormFixture.h"
#include "ModalAnswer.h"

#include "GB2BIG.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <string>

namespace {

class MemoTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        OpenPage("MemoTabSheet");
        memo = Control<QPlainTextEdit>("Memo1");
    }

    // Types `text` as an input method commits it.
    void Type(const QString& text) const {
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(memo, &typed);
    }
    void SetText(const QString& text) const { memo->setPlainText(text); }
    QString Text() const { return memo->toPlainText(); }
    QString Status() const { return Control<QLabel>("StatusLb")->text(); }
    void ToBig5() const { Click("GBBig5Bn"); }
    void ToGb() const { Click("Big5ToGBBn"); }

    // Saves the memo through the save dialog and returns the file's bytes.
    QByteArray Save() const {
        const QString name = folder.filePath("memo.txt");
        AnswerNextFileDialog(name);
        Click("SaveButton");
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

    QPlainTextEdit* memo = nullptr;
    QTemporaryDir folder;
};

struct Known {
    const char* from;
    const char* to;
};

// Characters whose counterparts every reader of either script knows.
const Known ToBig5Cases[] = {{"机", "機"}, {"树", "樹"}, {"机器 树木", "機器 樹木"}};
const Known ToGbCases[] = {{"機", "机"}, {"樹", "树"}, {"臺", "台"}, {"臺灣的樹", "台湾的树"}};

TEST_F(MemoTest, ConvertsSimplifiedToTraditional) {
    for (const Known& known : ToBig5Cases) {
        SetText(known.from);
        ToBig5();
        EXPECT_EQ(Text(), QString(known.to) + "\n") << known.from;
    }
}

TEST_F(MemoTest, ConvertsTraditionalToSimplified) {
    for (const Known& known : ToGbCases) {
        SetText(known.from);
        ToGb();
        EXPECT_EQ(Text(), QString(known.to) + "\n") << known.from;
    }
}

TEST_F(MemoTest, ConvertsBackToWhatItWas) {
    SetText("机器\n树木\n\nASCII text\n");
    ToBig5();
    EXPECT_EQ(Text(), "機器\n樹木\n\nASCII text\n");
    ToGb();
    EXPECT_EQ(Text(), "机器\n树木\n\nASCII text\n");
}

TEST_F(MemoTest, ConvertingAgainKeepsTheLineCount) {
    SetText("机\n树\n台");
    ToBig5();
    const int lines = memo->blockCount();
    for (int i = 0; i < 3; ++i) {
        ToGb();
        EXPECT_EQ(memo->blockCount(), lines);
        ToBig5();
        EXPECT_EQ(memo->blockCount(), lines);
    }
    EXPECT_TRUE(Text().endsWith("\n"));
    EXPECT_FALSE(Text().endsWith("\n\n"));
}

TEST_F(MemoTest, LastLineWithoutBreakGainsOne) {
    SetText("机\n树");
    ToBig5();
    EXPECT_EQ(Text(), "機\n樹\n");
}

TEST_F(MemoTest, EmptyMemoStaysEmpty) {
    ToBig5();
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(MemoTest, LongWrappedParagraphStaysOneParagraph) {
    const QString paragraph = QString("机器树木 ").repeated(60);
    SetText(paragraph);
    // The memo shows it on several lines.
    ASSERT_GT(memo->document()->firstBlock().layout()->lineCount(), 1);
    ToBig5();
    ASSERT_EQ(memo->blockCount(), 2); // the paragraph and the empty line after its break
    EXPECT_EQ(memo->document()->firstBlock().text(), QString("機器樹木 ").repeated(60));
}

TEST_F(MemoTest, LongParagraphIsNotCut) {
    const QString paragraph = QString("机").repeated(5000); // 10000 bytes in GB2312
    SetText(paragraph);
    ToBig5();
    EXPECT_EQ(Text(), QString("機").repeated(5000) + "\n");
}

TEST_F(MemoTest, OneUndoBringsTheTextBack) {
    Type("机器");
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    Type("树");
    ToBig5();
    ASSERT_EQ(Text(), "機器\n樹\n");
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), "机器\n树");
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Text(), "機器\n樹\n");
}

TEST_F(MemoTest, SaveWritesTheConvertersBytesWithCrLf) {
    SetText("机器\n树");
    ToBig5();
    TGB2BIG converter;
    // 机器 and 树 in GB2312.
    const std::string expected =
        converter.Convert("\xBB\xFA\xC6\xF7") + "\r\n" + converter.Convert("\xCA\xF7") + "\r\n";
    EXPECT_EQ(Save().toStdString(), expected);
    // 機器 and 樹 in Big5.
    EXPECT_EQ(expected, "\xBE\xF7\xBE\xB9\r\n\xBE\xF0\r\n");
}

TEST_F(MemoTest, BytesWithoutACharacterSurviveSaveAndTheWayBack) {
    // 丂 is 0x81 0x40 in CP936; its lead byte is below 0xA1, so the converter
    // passes both bytes through, and in Big5 they are no character.
    SetText("丂机");
    ToBig5();
    EXPECT_EQ(Save().toStdString(), "\x81\x40\xBE\xF7\r\n");
    ToGb();
    EXPECT_EQ(Text(), "丂机\n");
}

TEST_F(MemoTest, SaveAfterUndoWritesTheTextAsItWas) {
    SetText("abc 机");
    ToBig5();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Text(), "abc 机");
    EXPECT_EQ(Save(), QByteArray("abc 机"));
}

TEST_F(MemoTest, SaveBeforeAnyConversionWritesTheDesktopsEncoding) {
    SetText("机器\nabc");
    EXPECT_EQ(Save(), QByteArray("机器\r\nabc"));
}

TEST_F(MemoTest, EditedTextIsSavedInTheCodePageTheMemoHolds) {
    SetText("机");
    ToBig5();
    memo->moveCursor(QTextCursor::End);
    Type("樹");
    EXPECT_EQ(Save().toStdString(), "\xBE\xF7\r\n\xBE\xF0");
}

TEST_F(MemoTest, CharactersTheSourceCannotHoldBecomeQuestionMarks) {
    SetText("机😀x😀");
    ToBig5();
    EXPECT_EQ(Text(), "機?x?\n");
    EXPECT_TRUE(Status().endsWith("; 2 characters not in GB2312 became \"?\""))
        << Status().toStdString();
    SetText("樹😀");
    ToGb();
    EXPECT_EQ(Text(), "树?\n");
    EXPECT_TRUE(Status().endsWith("; 1 character not in Big5 became \"?\""))
        << Status().toStdString();
}

TEST_F(MemoTest, StatusLineTellsTheElapsedTimeAndIsReplacedEachRun) {
    const QRegularExpression accomplished(R"(^Accomplished in \d+\.\d{3} seconds$)");
    SetText("机");
    ToBig5();
    EXPECT_TRUE(accomplished.match(Status()).hasMatch()) << Status().toStdString();
    ToGb();
    EXPECT_TRUE(accomplished.match(Status()).hasMatch()) << Status().toStdString();
}

TEST_F(MemoTest, StatusLineUsesTheUsersDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetText("机");
    ToBig5();
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(
        QRegularExpression(R"(^Accomplished in \d+,\d{3} seconds$)").match(Status()).hasMatch())
        << Status().toStdString();
}

TEST_F(MemoTest, ClipboardCarriesUnicodeText) {
    QApplication::clipboard()->setText("樹木");
    Click("PasteButton");
    EXPECT_EQ(Text(), "樹木");
    ToGb();
    Click("SelectAllButton");
    Click("CopyButton");
    EXPECT_EQ(QApplication::clipboard()->text(), "树木\n");
    Click("ClearButton");
    EXPECT_EQ(Text(), "");
}

TEST_F(MemoTest, PasteGoesAtTheCaretOverTheSelection) {
    SetText("abcd");
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    QApplication::clipboard()->setText("机");
    Click("PasteButton");
    EXPECT_EQ(Text(), "a机d");
}

TEST_F(MemoTest, SaveThatCannotCreateItsFileReportsIt) {
    const QString name = folder.filePath("missing/memo.txt");
    ShownBox error;
    AnswerNextFileDialog(name);
    AnswerNextBox(error);
    Click("SaveButton");
    EXPECT_TRUE(error.shown);
    EXPECT_EQ(error.text, "Cannot create file " + name + ".");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    // The window goes on working.
    SetText("机");
    ToBig5();
    EXPECT_EQ(Text(), "機\n");
}

TEST_F(MemoTest, CancelledSaveWritesNothing) {
    SetText("机");
    CancelNextFileDialog();
    Click("SaveButton");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

} // namespace
