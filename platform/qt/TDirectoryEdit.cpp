#include "TDirectoryEdit.h"

#include "TDirectoryChooser.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>

TDirectoryEdit::TDirectoryEdit(QWidget* parent) : QLineEdit(parent) {
    FBrowse = addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), TrailingPosition);
    FBrowse->setObjectName("BrowseAction");
    connect(FBrowse, &QAction::triggered, this, &TDirectoryEdit::Browse);
}

QString TDirectoryEdit::StartFolder(const QString& fieldText, const QString& lastChosen) {
    const QString folder = fieldText.isEmpty() ? lastChosen : fieldText;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return "/";
    return folder;
}

void TDirectoryEdit::Browse() {
    TDirectoryChooser chooser(window(), StartFolder(text(), FLastChosen));
    if (chooser.exec() == QDialog::Accepted) {
        const QString chosen = chooser.ChosenFolder();
        setText(chosen);
        if (QFileInfo(chosen).isDir())
            FLastChosen = chosen;
    }
    setFocus();
}
