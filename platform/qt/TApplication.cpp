#include "TApplication.h"

#include "MessageBox.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return false;
}

void TApplication::ShowException(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ScreenText(ErrorText(error.what())),
                    QMessageBox::Ok);
    box.setObjectName("ErrorBox");
    box.exec();
}

ByteString TApplication::ErrorText(const ByteString& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}
