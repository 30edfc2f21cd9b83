#include "MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>

QString ApplicationTitle() {
    return QCoreApplication::applicationName();
}

QString ScreenText(const ByteString& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowMessageBox(const ByteString& message) {
    // No parent: the box centres on the screen, not on the window.
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), ScreenText(message), QMessageBox::Ok);
    box.setObjectName("MessageBox");
    box.exec();
}
