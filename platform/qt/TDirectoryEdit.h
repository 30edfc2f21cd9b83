#pragma once

#include <QLineEdit>
#include <QString>

// A folder edit: a line edit with a browse button that opens the folder
// chooser. The chosen folder replaces the text.
class TDirectoryEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit TDirectoryEdit(QWidget* parent = nullptr);

    // The action behind the browse button.
    QAction* BrowseAction() const { return FBrowse; }

    // Where the chooser opens: the folder in the field, else the one chosen
    // last, else the root, which is also taken for a folder that is gone.
    static QString StartFolder(const QString& fieldText, const QString& lastChosen);

  public slots:
    void Browse();

  private:
    QAction* FBrowse;
    QString FLastChosen;
};
