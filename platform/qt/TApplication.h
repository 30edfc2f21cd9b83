#pragma once

#include "ByteString.h"

#include <QApplication>

#include <exception>

// The application object. Its event dispatch is the default error handler:
// an error that escapes an event handler is shown in an error box and the
// application carries on.
class TApplication : public QApplication {
    Q_OBJECT

  public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error box with the application title as caption.
    static void ShowException(const std::exception& error);

    // The message as the error box shows it: a full stop is added when the
    // last byte is above "." (a letter or a digit, for example).
    static ByteString ErrorText(const ByteString& message);
};
