#pragma once

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

// The folder chooser: a tree of folders and an editable folder name. A name
// that does not exist may be typed; on OK the user is asked whether to
// create it, with every missing folder above it.
class TDirectoryChooser : public QDialog {
    Q_OBJECT

  public:
    TDirectoryChooser(QWidget* parent, const QString& startFolder);

    // The folder the user confirmed.
    QString ChosenFolder() const { return FChosen; }

    QLineEdit* NameEdit() const { return FNameEdit; }

  public slots:
    void accept() override;

  private:
    void ShowFolder(const QString& folder);
    QString TypedFolder() const;
    bool ConfirmCreate();

    QFileSystemModel* FModel;
    QTreeView* FTree;
    QLineEdit* FNameEdit;
    QString FChosen;
};
