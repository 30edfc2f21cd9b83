#include "ModalAnswer.h"

#include "Exception.h"
#include "MessageBox.h"
#include "TApplication.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(MessageBoxTest, ShowsTheMessageUnderTheApplicationTitleWithOnlyOk) {
    ShownBox box;
    AnswerNextBox(box);
    ShowMessageBox("File not found");
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.title, "Quendrel");
    EXPECT_EQ(box.text, "File not found");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttonCount, 1);
}

TEST(MessageBoxTest, ShowsTheLocalesText) {
    ShownBox box;
    AnswerNextBox(box);
    ShowMessageBox("Cannot create file /tmp/機器");
    EXPECT_EQ(box.text, "Cannot create file /tmp/機器");
}

struct FullStopCase {
    const char* message;
    const char* shown;
};

// A full stop follows a last byte above ".".
const FullStopCase FullStops[] = {
    {"File not found", "File not found."},
    {"I/O error 32", "I/O error 32."},
    {"Ends with a stop.", "Ends with a stop."},
    {"Ends with a bracket)", "Ends with a bracket)"},
    {"Ends with a comma,", "Ends with a comma,"},
    {"A folder/", "A folder/."},
    {"", ""},
};

TEST(DefaultErrorHandlerTest, AddsAFullStopAfterALetterOrDigit) {
    for (const FullStopCase& c : FullStops)
        EXPECT_EQ(TApplication::ErrorText(c.message), c.shown) << c.message;
}

// A button whose click raises `error`, in a window of its own.
template <typename Error>
std::unique_ptr<QPushButton> FailingButton(const char* message, int& clicks) {
    auto button = std::make_unique<QPushButton>("Fail");
    QObject::connect(button.get(), &QPushButton::clicked, [message, &clicks] {
        ++clicks;
        throw Error(message);
    });
    button->show();
    return button;
}

TEST(DefaultErrorHandlerTest, ShowsAnEscapedErrorAndTheApplicationGoesOn) {
    int clicks = 0;
    const auto button = FailingButton<Exception>("Stream write error", clicks);
    ShownBox first;
    AnswerNextBox(first);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    ASSERT_TRUE(first.shown);
    EXPECT_EQ(first.title, "Quendrel");
    EXPECT_EQ(first.text, "Stream write error.");
    EXPECT_EQ(first.icon, QMessageBox::Critical);
    EXPECT_EQ(first.buttonCount, 1);

    ShownBox second;
    AnswerNextBox(second);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    EXPECT_TRUE(second.shown);
    EXPECT_EQ(clicks, 2);
}

TEST(DefaultErrorHandlerTest, CatchesStandardErrorsToo) {
    int clicks = 0;
    const auto button = FailingButton<std::runtime_error>("Out of range", clicks);
    ShownBox box;
    AnswerNextBox(box);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    EXPECT_EQ(box.text, "Out of range.");
}

} // namespace
