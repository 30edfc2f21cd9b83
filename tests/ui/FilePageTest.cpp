#include "FormFixture.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class FilePageTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        OpenPage("FileTabSheet");
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
    void SetSource(const QString& name) const {
        Control<QLineEdit>("FilenameEdit1")->setText(name);
    }
    void SetDestination(const QString& name) const {
        Control<QLineEdit>("FilenameEdit2")->setText(name);
    }
    QString Status() const { return Control<QLabel>("StatusLb")->text(); }

    QTemporaryDir folder;
};

TEST_F(FilePageTest, ConvertsTheSourceIntoTheDestination) {
    WriteFile(Path("gb.txt"), GbLine + GbLine);
    SetSource(Path("gb.txt"));
    SetDestination(Path("big5.txt"));
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Path("big5.txt")), Big5Line + Big5Line);
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
    SetSource(Path("big5.txt"));
    SetDestination(Path("back.txt"));
    Click("Big5ToGBBn");
    EXPECT_EQ(ReadFile(Path("back.txt")), GbLine + GbLine);
}

TEST_F(FilePageTest, SameFileAsSourceAndDestinationIsReportedAndLeftAlone) {
    WriteFile(Path("gb.txt"), GbLine);
    SetSource(Path("gb.txt"));
    SetDestination(Path("gb.txt"));
    ShownBox error;
    AnswerNextBox(error);
    Click("GBBig5Bn");
    ASSERT_TRUE(error.shown);
    EXPECT_EQ(error.title, "Quendrel");
    EXPECT_EQ(error.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(error.waitCursor) << "the box comes while the wait cursor is set";
    EXPECT_EQ(ReadFile(Path("gb.txt")), GbLine);
    // The failed run still reports its time.
    EXPECT_TRUE(Status().startsWith("Accomplished in")) << Status().toStdString();
}

TEST_F(FilePageTest, DestinationInAMissingFolderIsReportedAndNothingIsCreated) {
    WriteFile(Path("gb.txt"), GbLine);
    SetSource(Path("gb.txt"));
    SetDestination(Path("missing/big5.txt"));
    ShownBox error;
    AnswerNextBox(error);
    Click("GBBig5Bn");
    EXPECT_TRUE(error.shown);
    EXPECT_FALSE(error.text.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("missing")));
}

TEST_F(FilePageTest, MissingSourceIsReported) {
    SetSource(Path("none.txt"));
    SetDestination(Path("big5.txt"));
    ShownBox error;
    AnswerNextBox(error);
    Click("GBBig5Bn");
    EXPECT_EQ(error.text, "File not found");
    EXPECT_FALSE(QFile::exists(Path("big5.txt")));
}

struct CharsetCase {
    const char* source;
    const char* destination;
    bool ticked;
    bool rewritten;
};

// The source's extension decides, never the destination's.
const CharsetCase CharsetCases[] = {
    {"page.html", "page.txt", true, true},    {"page.HTM", "page.txt", true, true},
    {"page.txt", "page.html", true, false},   {"page.html", "page2.html", false, false},
    {"page.shtml", "page.html", true, false},
};

TEST_F(FilePageTest, CharsetRewriteFollowsTheSourcesExtension) {
    for (const CharsetCase& c : CharsetCases) {
        WriteFile(Path(c.source), "<meta charset=gb2312>\r\n");
        SetSource(Path(c.source));
        SetDestination(Path(c.destination));
        Control<QCheckBox>("CharsetCheckbox")->setChecked(c.ticked);
        Click("GBBig5Bn");
        const QByteArray expected =
            c.rewritten ? "<meta charset=big5>\r\n" : "<meta charset=gb2312>\r\n";
        EXPECT_EQ(ReadFile(Path(c.destination)), expected) << c.source << " -> " << c.destination;
    }
}

TEST_F(FilePageTest, SourceIsPickedWithTheOpenDialog) {
    WriteFile(Path("gb.txt"), GbLine);
    AnswerNextFileDialog(Path("gb.txt"));
    Click("Button1");
    EXPECT_EQ(Control<QLineEdit>("FilenameEdit1")->text(), Path("gb.txt"));
}

TEST_F(FilePageTest, CancelledOpenDialogChangesNothing) {
    SetSource("kept");
    CancelNextFileDialog();
    Click("Button1");
    EXPECT_EQ(Control<QLineEdit>("FilenameEdit1")->text(), "kept");
}

TEST_F(FilePageTest, DestinationIsPickedWithTheSaveDialogWhichAddsTxt) {
    AnswerNextFileDialog(Path("out"));
    Click("Button2");
    EXPECT_EQ(Control<QLineEdit>("FilenameEdit2")->text(), Path("out.txt"));
}

TEST_F(FilePageTest, SaveDialogAsksBeforeAnExistingFileIsChosen) {
    WriteFile(Path("old.txt"), "old");
    ShownBox question;
    AnswerNextFileDialog(Path("old.txt"));
    AnswerNextBox(question, QMessageBox::Yes);
    Click("Button2");
    EXPECT_TRUE(question.shown);
    EXPECT_EQ(Control<QLineEdit>("FilenameEdit2")->text(), Path("old.txt"));
    EXPECT_EQ(ReadFile(Path("old.txt")), "old");
}

TEST_F(FilePageTest, OpenDialogOffersTheFourFilters) {
    auto* dialog = form->findChild<QFileDialog*>("OpenDialog1");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    auto* shown = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(shown, nullptr);
    const QStringList expected{"All text files", "text (*.txt)", "HTML (*.htm, *.html, *.xml)",
                               "All files (*.*)"};
    QStringList labels;
    for (int i = 0; i < shown->count(); ++i)
        labels << shown->itemText(i);
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(dialog->nameFilters().value(0),
              "All text files (*.txt *.htm *.html *.ini *.java *.pas *.c *.cpp)");
    EXPECT_EQ(dialog->nameFilters().value(2),
              "HTML (*.htm, *.html, *.xml) (*.htm *.html *.xml *.xsl)");
}

TEST_F(FilePageTest, SaveDialogAddsTxtAndAsksBeforeOverwriting) {
    auto* dialog = form->findChild<QFileDialog*>("SaveDialog1");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
}

} // namespace
