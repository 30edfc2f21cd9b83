#pragma once

#include "Main.h"

#include <QApplication>
#include <QTabWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

// A shown main window, fresh for each test.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override {
        form.reset();
        while (QApplication::overrideCursor() != nullptr) {
            ADD_FAILURE() << "a cursor was left set";
            QApplication::restoreOverrideCursor();
        }
    }

    // The control named `name`; fails the test when there is none.
    template <typename T = QWidget> T* Control(const char* name) const {
        T* control = form->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << "no " << name;
        return control;
    }

    void OpenPage(const char* name) const {
        auto* pages = Control<QTabWidget>("PageControl");
        pages->setCurrentWidget(Control(name));
    }

    void Click(const char* name) const { QTest::mouseClick(Control(name), Qt::LeftButton); }

    std::unique_ptr<TForm1> form;
};
