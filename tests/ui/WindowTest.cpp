#include "FormFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

#include <set>
#include <string>
#include <vector>

namespace {

struct ExpectedControl {
    const char* name;
    const char* parent;
    const char* kind;
    QRect geometry;
    const char* text;
    const char* hint;
};

// Every control of the window: its page, kind, place, caption and hint.
const ExpectedControl Controls[] = {
    {"PageControl", "Form1", "QTabWidget", {4, 4, 589, 321}, nullptr, ""},
    {"Big5ToGBBn", "Form1", "QPushButton", {240, 360, 95, 25}, "&Big5 to GB", ""},
    {"GBBig5Bn", "Form1", "QPushButton", {352, 360, 95, 25}, "&GB to Big5", ""},
    {"CloseButton", "Form1", "QPushButton", {512, 360, 75, 25}, "&Exit", ""},
    {"CharsetCheckbox",
     "Form1",
     "QCheckBox",
     {12, 364, 149, 17},
     "Modify html charset",
     "Mark the html file with 'gb2312' or 'big5'."},
    {"StatusLb", "Form1", "QLabel", {8, 328, 585, 25}, "", ""},
    {"Memo2", "HelpTabSheet", "QPlainTextEdit", {4, 4, 573, 277}, nullptr, ""},
    {"Memo1", "MemoTabSheet", "QPlainTextEdit", {4, 4, 573, 245}, nullptr, ""},
    {"CopyButton",
     "MemoTabSheet",
     "QPushButton",
     {40, 260, 75, 25},
     "&Copy",
     "Copy selected text to the clipboard"},
    {"PasteButton",
     "MemoTabSheet",
     "QPushButton",
     {138, 260, 75, 25},
     "&Paste",
     "Paste from the clipboard"},
    {"SelectAllButton", "MemoTabSheet", "QPushButton", {236, 260, 75, 25}, "Select &All", ""},
    {"ClearButton", "MemoTabSheet", "QPushButton", {334, 260, 75, 25}, "Cl&ear", ""},
    {"SaveButton", "MemoTabSheet", "QPushButton", {432, 260, 75, 25}, "&Save", ""},
    {"Label1", "FileTabSheet", "QLabel", {8, 24, 66, 17}, "Source file:", ""},
    {"Label2", "FileTabSheet", "QLabel", {8, 52, 91, 17}, "Destination file:", ""},
    {"FilenameEdit1",
     "FileTabSheet",
     "QLineEdit",
     {116, 20, 429, 25},
     "",
     "Click the right button to select a file"},
    {"Button1", "FileTabSheet", "QPushButton", {548, 20, 25, 25}, "...", "Click to select a file"},
    {"FilenameEdit2",
     "FileTabSheet",
     "QLineEdit",
     {116, 48, 429, 25},
     "",
     "Click the right button to select a file"},
    {"Button2", "FileTabSheet", "QPushButton", {548, 48, 25, 25}, "...", "Click to select a file"},
    {"Label3", "FilesTabSheet", "QLabel", {8, 24, 72, 17}, "Source files:", ""},
    {"Label6", "FilesTabSheet", "QLabel", {8, 52, 94, 17}, "Destination files", ""},
    {"FilenameComboBox",
     "FilesTabSheet",
     "QComboBox",
     {116, 20, 429, 25},
     "",
     "Click the right button to select files"},
    {"Button3", "FilesTabSheet", "QPushButton", {548, 20, 25, 25}, "...", "Click to select files"},
    {"PageControl2", "FilesTabSheet", "TButtonTabWidget", {116, 48, 465, 149}, nullptr, ""},
    {"Label4",
     "SameTabSheet",
     "QLabel",
     {4, 4, 411, 51},
     "The destination files will be like 'source_big5.txt' or 'source_gb.txt' by default.\n"
     "You may customize the suffix name.",
     ""},
    {"Label5", "SameTabSheet", "QLabel", {8, 72, 38, 17}, "Suffix:", ""},
    {"SuffixEdit", "SameTabSheet", "QLineEdit", {52, 64, 121, 25}, "", ""},
    {"Label7", "OtherTabSheet", "QLabel", {4, 4, 104, 17}, "Destination folder", ""},
    {"DirectoryEdit1",
     "OtherTabSheet",
     "TDirectoryEdit",
     {16, 24, 425, 21},
     "",
     "Click the right button to select a folder"},
};

QString TextOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

void PrintTo(const ExpectedControl& expected, std::ostream* out) {
    *out << expected.name;
}

class ControlTest : public FormTest, public ::testing::WithParamInterface<ExpectedControl> {};

TEST_P(ControlTest, StandsWhereTheFormPutsIt) {
    const ExpectedControl& expected = GetParam();
    QWidget* control = Control(expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->inherits(expected.kind)) << control->metaObject()->className();
    ASSERT_NE(control->parentWidget(), nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), expected.parent);
    if (qobject_cast<QLabel*>(control) != nullptr && expected.name != std::string("StatusLb") &&
        !qobject_cast<QLabel*>(control)->wordWrap()) {
        // A caption may grow to fit its text; it keeps its place.
        EXPECT_EQ(control->pos(), expected.geometry.topLeft());
        EXPECT_GE(control->width(), expected.geometry.width());
        EXPECT_EQ(control->height(), expected.geometry.height());
        EXPECT_GE(control->width(), control->sizeHint().width()) << "caption cut off";
    } else {
        EXPECT_EQ(control->geometry(), expected.geometry);
    }
    if (expected.text != nullptr) {
        EXPECT_EQ(TextOf(control), expected.text);
    }
    EXPECT_EQ(control->toolTip(), expected.hint);
}

INSTANTIATE_TEST_SUITE_P(Window, ControlTest, ::testing::ValuesIn(Controls),
                         [](const auto& info) { return std::string(info.param.name); });

struct ExpectedPage {
    const char* control;
    int index;
    const char* page;
    const char* caption;
};

const ExpectedPage Pages[] = {
    {"PageControl", 0, "HelpTabSheet", "About"},
    {"PageControl", 1, "MemoTabSheet", "Memo"},
    {"PageControl", 2, "FileTabSheet", "File"},
    {"PageControl", 3, "FilesTabSheet", "Files"},
    {"PageControl2", 0, "SameTabSheet", "In the same folder"},
    {"PageControl2", 1, "OtherTabSheet", "In the other folder"},
};

TEST_F(FormTest, PagesInOrderWithTheFirstOpen) {
    for (const ExpectedPage& expected : Pages) {
        auto* pages = Control<QTabWidget>(expected.control);
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->count(), expected.control == std::string("PageControl") ? 4 : 2);
        EXPECT_EQ(pages->widget(expected.index)->objectName(), expected.page);
        EXPECT_EQ(pages->tabText(expected.index), expected.caption);
        EXPECT_EQ(pages->currentIndex(), 0) << expected.control;
    }
}

TEST_F(FormTest, FixedSizeWindowThatMinimisesButDoesNotMaximise) {
    EXPECT_EQ(form->windowTitle(), "Quendrel");
    EXPECT_EQ(form->size(), QSize(597, 393));
    EXPECT_EQ(form->minimumSize(), QSize(597, 393));
    EXPECT_EQ(form->maximumSize(), QSize(597, 393));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(FormTest, CentredOnTheScreen) {
    const QPoint screen = form->screen()->availableGeometry().center();
    const QPoint window = form->frameGeometry().center();
    EXPECT_LE((window - screen).manhattanLength(), 1) << window.x() << "," << window.y();
}

TEST_F(FormTest, TimesNewRomanFifteenPixelsHighThroughout) {
    for (const char* name : {"Memo1", "Big5ToGBBn", "Label4", "StatusLb"}) {
        const QFont font = Control(name)->font();
        EXPECT_EQ(font.family(), "Times New Roman") << name;
        EXPECT_EQ(font.pixelSize(), 15) << name;
    }
}

TEST_F(FormTest, StatusLineIsLightGreenAndEmpty) {
    auto* status = Control<QLabel>("StatusLb");
    EXPECT_TRUE(status->autoFillBackground());
    EXPECT_EQ(status->palette().color(QPalette::Active, status->backgroundRole()),
              QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(status->text(), "");
}

TEST_F(FormTest, ControlsAtStart) {
    EXPECT_FALSE(Control<QCheckBox>("CharsetCheckbox")->isChecked());
    EXPECT_TRUE(Control<QLineEdit>("FilenameEdit1")->isReadOnly());
    EXPECT_FALSE(Control<QLineEdit>("FilenameEdit2")->isReadOnly());
    auto* combo = Control<QComboBox>("FilenameComboBox");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->maxVisibleItems(), 10);
    auto* memo = Control<QPlainTextEdit>("Memo1");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(FormTest, AboutPageHasItsTenLines) {
    auto* about = Control<QPlainTextEdit>("Memo2");
    EXPECT_TRUE(about->isReadOnly());
    const QStringList lines = about->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], "Quendrel");
    EXPECT_EQ(lines[2], "Version 1.0");
    EXPECT_EQ(lines[4], "Updated versions at");
    EXPECT_TRUE(lines[5].startsWith("https://")) << lines[5].toStdString();
    EXPECT_EQ(lines[7], "The Linux version will be available soon.");
    EXPECT_FALSE(lines[9].isEmpty());
    for (const int empty : {1, 3, 6, 8})
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
}

// The control a focused widget belongs to: itself, or the nearest named
// ancestor among the window's controls (a page control's tab bar, a combo
// box's edit field).
QString FocusedControl() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (const ExpectedControl& expected : Controls)
            all.insert(expected.name);
        return all;
    }();
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (names.count(widget->objectName().toStdString()) != 0)
            return widget->objectName();
    }
    return "(none)";
}

struct ExpectedTabOrder {
    const char* page;
    const char* innerPage;
    std::vector<const char*> order;
};

const ExpectedTabOrder TabOrders[] = {
    {"HelpTabSheet",
     nullptr,
     {"PageControl", "Memo2", "Big5ToGBBn", "GBBig5Bn", "CloseButton", "CharsetCheckbox",
      "PageControl"}},
    {"MemoTabSheet",
     nullptr,
     {"PageControl", "Memo1", "CopyButton", "PasteButton", "SelectAllButton", "ClearButton",
      "SaveButton", "Big5ToGBBn", "GBBig5Bn", "CloseButton", "CharsetCheckbox", "PageControl"}},
    {"FileTabSheet",
     nullptr,
     {"PageControl", "FilenameEdit1", "Button1", "FilenameEdit2", "Button2", "Big5ToGBBn",
      "GBBig5Bn", "CloseButton", "CharsetCheckbox", "PageControl"}},
    {"FilesTabSheet",
     "SameTabSheet",
     {"PageControl", "FilenameComboBox", "Button3", "PageControl2", "SuffixEdit", "Big5ToGBBn",
      "GBBig5Bn", "CloseButton", "CharsetCheckbox", "PageControl"}},
    {"FilesTabSheet",
     "OtherTabSheet",
     {"PageControl", "FilenameComboBox", "Button3", "PageControl2", "DirectoryEdit1", "Big5ToGBBn",
      "GBBig5Bn", "CloseButton", "CharsetCheckbox", "PageControl"}},
};

TEST_F(FormTest, TabKeyFollowsTheTabOrderOnEveryPage) {
    for (const ExpectedTabOrder& page : TabOrders) {
        OpenPage(page.page);
        if (page.innerPage != nullptr)
            Control<QTabWidget>("PageControl2")->setCurrentWidget(Control(page.innerPage));
        Control<QTabWidget>("PageControl")->tabBar()->setFocus();
        QStringList visited{FocusedControl()};
        for (std::size_t i = 1; i < page.order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusedControl();
        }
        QStringList expected;
        for (const char* name : page.order)
            expected << name;
        EXPECT_EQ(visited, expected) << page.page << (page.innerPage ? page.innerPage : "");
    }
}

TEST_F(FormTest, DirectionButtonsOnTheAboutPageDoNothing) {
    auto* status = Control<QLabel>("StatusLb");
    status->setText("before");
    QApplication::setOverrideCursor(Qt::CrossCursor);
    Click("Big5ToGBBn");
    Click("GBBig5Bn");
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(status->text(), "before");
}

TEST_F(FormTest, ExitClosesTheWindow) {
    Click("CloseButton");
    EXPECT_FALSE(form->isVisible());
}

} // namespace
