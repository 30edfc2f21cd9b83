#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include <QMessageBox>

// Answers the next modal window from inside the event loop that runs it:
// `answer` is called with that window once it is the active modal widget
// (the one open when this is called does not count). Fails the test when no
// such window opens.
void AnswerNextModal(std::function<void(QWidget* modal)> answer);

// The same for the next modal window that `wanted` accepts; others are left
// alone.
void AnswerNextModal(std::function<bool(QWidget* modal)> wanted,
                     std::function<void(QWidget* modal)> answer);

bool IsMessageBox(QWidget* modal);
bool HasNameField(QWidget* modal);

// What a message box showed, and whether the wait cursor was set meanwhile.
struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    int icon = -1;
    int buttonCount = 0;
    bool waitCursor = false;
};

// Answers the next message box (other modal windows are left alone) by clicking its `button` (an
// QMessageBox::StandardButton) and records it in `shown`.
void AnswerNextBox(ShownBox& shown, int button = QMessageBox::Ok);

// Answers the next file dialog or folder chooser with `name` typed into
// its name field, and Return.
void AnswerNextFileDialog(const QString& name);

// Closes the next file dialog or folder chooser with Escape.
void CancelNextFileDialog();
