#include "FormFixture.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include "TDirectoryEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class FilesPageTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        OpenPage("FilesTabSheet");
        ASSERT_TRUE(QDir(folder.path()).mkdir("texts"));
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
    QString Text(const QString& name) const { return Path("texts/" + name); }

    // Writes GB2312 sources into texts/ and lists them, in order.
    void ListSources(const QStringList& names) const {
        QStringList paths;
        for (const QString& name : names) {
            if (!name.startsWith('/')) {
                WriteFile(Text(name), GbLine);
                paths << Text(name);
            } else {
                paths << name;
            }
        }
        Control<QComboBox>("FilenameComboBox")->addItems(paths);
    }

    void UseSameFolder(const QString& suffix = {}) const {
        Control<QTabWidget>("PageControl2")->setCurrentWidget(Control("SameTabSheet"));
        Control<QLineEdit>("SuffixEdit")->setText(suffix);
    }

    void UseOtherFolder(const QString& field) const {
        Control<QTabWidget>("PageControl2")->setCurrentWidget(Control("OtherTabSheet"));
        Control<TDirectoryEdit>("DirectoryEdit1")->setText(field);
    }

    QString Status() const { return Control<QLabel>("StatusLb")->text(); }
    void SetStatus(const QString& text) const { Control<QLabel>("StatusLb")->setText(text); }

    QTemporaryDir folder;
};

TEST_F(FilesPageTest, SameFolderWithTheDefaultSuffixes) {
    ListSources({"a.htm", "b.txt", "readme"});
    UseSameFolder();
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Text("a_gb.htm")), Big5Line);
    EXPECT_EQ(ReadFile(Text("b_gb.txt")), Big5Line);
    EXPECT_EQ(ReadFile(Text("readme_gb")), Big5Line);
    EXPECT_EQ(ReadFile(Text("a.htm")), GbLine);
    EXPECT_TRUE(Status().startsWith("Accomplished in")) << Status().toStdString();

    Click("Big5ToGBBn");
    EXPECT_TRUE(QFile::exists(Text("a_big5.htm")));
}

TEST_F(FilesPageTest, SameFolderWithATypedSuffix) {
    ListSources({"a.htm"});
    UseSameFolder("  -tw ");
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Text("a-tw.htm")), Big5Line);
}

TEST_F(FilesPageTest, CharsetRewriteFollowsEachSourcesExtension) {
    ListSources({"a.htm", "b.txt"});
    WriteFile(Text("a.htm"), "charset=gb2312\r\n");
    WriteFile(Text("b.txt"), "charset=gb2312\r\n");
    Control<QCheckBox>("CharsetCheckbox")->setChecked(true);
    UseSameFolder();
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Text("a_gb.htm")), "charset=big5\r\n");
    EXPECT_EQ(ReadFile(Text("b_gb.txt")), "charset=gb2312\r\n");
}

TEST_F(FilesPageTest, TypedTextInTheListsFieldIsIgnored) {
    ListSources({"a.txt"});
    WriteFile(Text("typed.txt"), GbLine);
    auto* list = Control<QComboBox>("FilenameComboBox");
    list->setEditText(Text("typed.txt"));
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list->count(), 1) << "typed text does not join the list";
    UseSameFolder();
    Click("GBBig5Bn");
    EXPECT_TRUE(QFile::exists(Text("a_gb.txt")));
    EXPECT_FALSE(QFile::exists(Text("typed_gb.txt")));
}

TEST_F(FilesPageTest, OtherFolderKeepsTheNames) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("out"));
    ListSources({"a.htm", "b.txt"});
    UseOtherFolder(Path("out"));
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Path("out/a.htm")), Big5Line);
    EXPECT_EQ(ReadFile(Path("out/b.txt")), Big5Line);
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(FilesPageTest, MissingOtherFolderIsCreatedAtOneLevel) {
    ListSources({"a.txt"});
    UseOtherFolder(Path("new"));
    Click("GBBig5Bn");
    EXPECT_EQ(ReadFile(Path("new/a.txt")), Big5Line);
}

TEST_F(FilesPageTest, OtherFolderThatCannotBeCreatedStopsBeforeTheRun) {
    ListSources({"a.txt"});
    UseOtherFolder(Path("missing/new"));
    SetStatus("before");
    ShownBox message;
    AnswerNextBox(message);
    Click("GBBig5Bn");
    EXPECT_EQ(message.text, "Cannot create " + Path("missing/new") + "/");
    EXPECT_FALSE(message.waitCursor);
    EXPECT_FALSE(QFile::exists(Path("missing")));
    EXPECT_EQ(Status(), "before");
}

TEST_F(FilesPageTest, SourceFolderInOtherLetterCaseStopsBeforeTheRun) {
    ListSources({"a.txt", "b.txt"});
    UseOtherFolder(Path("texts").toUpper());
    SetStatus("before");
    ShownBox message;
    AnswerNextBox(message);
    Click("GBBig5Bn");
    EXPECT_EQ(message.text, "The destination folder should not be the source folder.");
    EXPECT_FALSE(message.waitCursor);
    EXPECT_EQ(Status(), "before");
    EXPECT_EQ(ReadFile(Text("a.txt")), GbLine);
    EXPECT_EQ(QDir(Path("texts")).entryList(QDir::Files).size(), 2);
}

TEST_F(FilesPageTest, TrailingSlashDoublesTheDelimiterAndTheBatchEndsOnTheSource) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("elsewhere"));
    WriteFile(Path("elsewhere/b.txt"), GbLine);
    ListSources({"a.txt", Path("elsewhere/b.txt")});
    UseOtherFolder(Path("texts") + "/");
    ShownBox error;
    AnswerNextBox(error);
    Click("GBBig5Bn");
    // texts//a.txt is a.txt itself: it cannot be written while it is read.
    EXPECT_TRUE(error.shown);
    EXPECT_TRUE(error.waitCursor);
    EXPECT_EQ(ReadFile(Text("a.txt")), GbLine);
    EXPECT_FALSE(QFile::exists(Text("b.txt")));
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(FilesPageTest, EmptyFolderFieldAsksForAFolder) {
    ListSources({"a.txt"});
    UseOtherFolder("");
    SetStatus("before");
    ShownBox message;
    AnswerNextBox(message);
    Click("GBBig5Bn");
    EXPECT_EQ(message.text, "Please choose a destination folder.");
    EXPECT_EQ(Status(), "before");
    EXPECT_EQ(QDir(Path("texts")).entryList(QDir::Files).size(), 1);
}

TEST_F(FilesPageTest, MissingSourceEndsTheBatch) {
    ListSources({"a.txt", Text("gone.txt"), "c.txt"});
    UseSameFolder();
    ShownBox error;
    AnswerNextBox(error);
    Click("GBBig5Bn");
    EXPECT_EQ(error.text, "File not found");
    EXPECT_TRUE(QFile::exists(Text("a_gb.txt")));
    EXPECT_FALSE(QFile::exists(Text("gone_gb.txt")));
    EXPECT_FALSE(QFile::exists(Text("c_gb.txt")));
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(FilesPageTest, ErrorInsideOneFileShowsProgressAndTheBatchGoesOn) {
    // Reading this file fails after it has been opened.
    ListSources({"a.txt", "/proc/self/mem", "c.txt"});
    UseOtherFolder(Path("out"));
    ShownBox error;
    QString statusMeanwhile;
    AnswerNextModal(IsMessageBox, [&](QWidget* box) {
        statusMeanwhile = Status();
        error.shown = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    Click("GBBig5Bn");
    EXPECT_TRUE(error.shown);
    EXPECT_EQ(statusMeanwhile, "Converting file 2 of 3: mem");
    EXPECT_EQ(ReadFile(Path("out/a.txt")), Big5Line);
    EXPECT_EQ(ReadFile(Path("out/c.txt")), Big5Line);
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(FilesPageTest, EmptyListConvertsNothingButStillReports) {
    UseSameFolder();
    Click("GBBig5Bn");
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
    SetStatus("before");
    UseOtherFolder(Path("new"));
    Click("GBBig5Bn");
    EXPECT_TRUE(QDir(Path("new")).exists());
    EXPECT_TRUE(Status().startsWith("Accomplished in"));
}

TEST_F(FilesPageTest, SourcesArePickedWithTheOpenDialogInItsOrder) {
    WriteFile(Text("b.txt"), GbLine);
    WriteFile(Text("a.txt"), GbLine);
    AnswerNextFileDialog("\"" + Text("b.txt") + "\" \"" + Text("a.txt") + "\"");
    Click("Button3");
    auto* list = Control<QComboBox>("FilenameComboBox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), Text("b.txt"));
    EXPECT_EQ(list->itemText(1), Text("a.txt"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_TRUE(list->view()->isVisible()) << "the list drops down";
    EXPECT_EQ(list->view()->sizeHintForRow(0), 17);
    list->hidePopup();
    EXPECT_EQ(form->findChild<QFileDialog*>("OpenDialog1")->fileMode(), QFileDialog::ExistingFile);
}

TEST_F(FilesPageTest, CancelledOpenDialogKeepsTheList) {
    ListSources({"a.txt"});
    CancelNextFileDialog();
    Click("Button3");
    EXPECT_EQ(Control<QComboBox>("FilenameComboBox")->count(), 1);
    EXPECT_EQ(form->findChild<QFileDialog*>("OpenDialog1")->fileMode(), QFileDialog::ExistingFile);
}

} // namespace
