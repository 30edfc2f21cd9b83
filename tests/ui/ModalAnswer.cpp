#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

constexpr int PollMilliseconds = 10;
constexpr int MaxPolls = 1000;

// Closes a window the test could not answer, so that its event loop ends.
void Dismiss(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

void AnswerNextModal(std::function<void(QWidget* modal)> answer) {
    AnswerNextModal([](QWidget*) { return true; }, std::move(answer));
}

void AnswerNextModal(std::function<bool(QWidget* modal)> wanted,
                     std::function<void(QWidget* modal)> answer) {
    const QPointer<QWidget> open = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != open && modal->isVisible() && wanted(modal)) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (++*polls == MaxPolls) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "No modal window opened";
        }
    });
    timer->start(PollMilliseconds);
}

bool IsMessageBox(QWidget* modal) {
    return qobject_cast<QMessageBox*>(modal) != nullptr;
}

bool HasNameField(QWidget* modal) {
    return modal->findChild<QLineEdit*>("fileNameEdit") != nullptr ||
           modal->findChild<QLineEdit*>("DirectoryNameEdit") != nullptr;
}

void AnswerNextBox(ShownBox& shown, int button) {
    AnswerNextModal(IsMessageBox, [&shown, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            ADD_FAILURE() << "not a message box: " << modal->metaObject()->className();
            return Dismiss(modal);
        }
        shown.shown = true;
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttonCount = static_cast<int>(box->buttons().size());
        shown.waitCursor = QApplication::overrideCursor() != nullptr &&
                           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QAbstractButton* target = box->button(static_cast<QMessageBox::StandardButton>(button));
        if (target == nullptr) {
            ADD_FAILURE() << "the box has no such button";
            return Dismiss(modal);
        }
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

void AnswerNextFileDialog(const QString& name) {
    AnswerNextModal(HasNameField, [name](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>("fileNameEdit");
        if (edit == nullptr)
            edit = modal->findChild<QLineEdit*>("DirectoryNameEdit");
        if (edit == nullptr) {
            ADD_FAILURE() << "no name field in " << modal->metaObject()->className();
            return Dismiss(modal);
        }
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void CancelNextFileDialog() {
    AnswerNextModal(HasNameField, [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
}
