#include "ModalAnswer.h"

#include "TDirectoryChooser.h"
#include "TDirectoryEdit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TEST(DirectoryStartTest, ChooserStartsInTheFieldsFolderElseTheLastChosenElseTheRoot) {
    QTemporaryDir existing;
    const QString gone = existing.filePath("gone");
    struct Case {
        QString field;
        QString lastChosen;
        QString start;
    };
    const Case cases[] = {
        {existing.path(), "", existing.path()}, {existing.path(), "/usr", existing.path()},
        {"", existing.path(), existing.path()}, {"", "", "/"},
        {gone, existing.path(), "/"},           {"", gone, "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TDirectoryEdit::StartFolder(c.field, c.lastChosen), c.start)
            << c.field.toStdString() << " | " << c.lastChosen.toStdString();
    }
}

class DirectoryEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(400, 60);
        edit = new TDirectoryEdit(&window);
        edit->setGeometry(16, 24, 360, 21);
        other = new QLineEdit(&window);
        other->setGeometry(16, 0, 100, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
    }

    void Browse() const {
        auto* button = edit->findChild<QToolButton*>();
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString Path(const QString& name) const { return root.filePath(name); }

    QWidget window;
    TDirectoryEdit* edit = nullptr;
    QLineEdit* other = nullptr;
    QTemporaryDir root;
};

TEST_F(DirectoryEditTest, ChosenFolderReplacesTheTextAndTheFocusComesBack) {
    ASSERT_TRUE(QDir(root.path()).mkdir("chosen"));
    edit->setText(root.path());
    QString caption;
    QString shownAtStart;
    AnswerNextModal(HasNameField, [&](QWidget* chooser) {
        caption = chooser->windowTitle();
        auto* name = chooser->findChild<QLineEdit*>("DirectoryNameEdit");
        shownAtStart = name->text();
        name->setText(Path("chosen"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    Browse();
    EXPECT_EQ(caption, "Select Directory");
    EXPECT_EQ(shownAtStart, root.path());
    EXPECT_EQ(edit->text(), Path("chosen"));
    EXPECT_EQ(window.focusWidget(), edit);
}

TEST_F(DirectoryEditTest, MissingFolderIsCreatedWithEveryLevelOnYes) {
    const QString nested = Path("one/two/three");
    ShownBox question;
    AnswerNextFileDialog(nested);
    AnswerNextBox(question, QMessageBox::Yes);
    Browse();
    ASSERT_TRUE(question.shown);
    EXPECT_EQ(question.text, "The specified directory does not exist. Create it?");
    EXPECT_EQ(question.buttonCount, 2);
    EXPECT_TRUE(QDir(nested).exists());
    EXPECT_EQ(edit->text(), nested);
}

TEST_F(DirectoryEditTest, NoReturnsToTheChooserAndCancelKeepsTheField) {
    edit->setText("kept");
    bool asked = false;
    bool chooserStillOpen = false;
    AnswerNextFileDialog(Path("missing"));
    AnswerNextModal(IsMessageBox, [&](QWidget* box) {
        asked = true;
        QTest::mouseClick(static_cast<QMessageBox*>(box)->button(QMessageBox::No), Qt::LeftButton);
    });
    AnswerNextModal([&](QWidget* modal) { return asked && HasNameField(modal); },
                    [&](QWidget* chooser) {
                        chooserStillOpen = chooser->isVisible();
                        QTest::keyClick(chooser, Qt::Key_Escape);
                    });
    Browse();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(chooserStillOpen);
    EXPECT_FALSE(QFile::exists(Path("missing")));
    EXPECT_EQ(edit->text(), "kept");
    EXPECT_EQ(window.focusWidget(), edit);
}

TEST_F(DirectoryEditTest, EmptyFieldStartsAtTheFolderChosenLast) {
    ASSERT_TRUE(QDir(root.path()).mkdir("last"));
    AnswerNextFileDialog(Path("last"));
    Browse();
    ASSERT_EQ(edit->text(), Path("last"));
    edit->clear();
    QString shownAtStart;
    AnswerNextModal(HasNameField, [&](QWidget* chooser) {
        shownAtStart = chooser->findChild<QLineEdit*>("DirectoryNameEdit")->text();
        QTest::keyClick(chooser, Qt::Key_Escape);
    });
    Browse();
    EXPECT_EQ(shownAtStart, Path("last"));
    EXPECT_EQ(edit->text(), "");
}

} // namespace
