#include "ModalAnswer.h"

#include "Program.h"

#include <gtest/gtest.h>

namespace {

TEST(StartTest, MissingCodeTableIsReportedAndEndsTheProgramWithFailure) {
    ShownBox error;
    AnswerNextBox(error);
    EXPECT_EQ(RunProgram(), 1);
    ASSERT_TRUE(error.shown);
    EXPECT_EQ(error.title, "Quendrel");
    EXPECT_EQ(error.text, "Resource BIG2GB not found.");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
}

} // namespace
