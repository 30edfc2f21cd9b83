#include "TDirectoryChooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeView>
#include <QVBoxLayout>

TDirectoryChooser::TDirectoryChooser(QWidget* parent, const QString& startFolder)
    : QDialog(parent), FModel(new QFileSystemModel(this)), FTree(new QTreeView(this)),
      FNameEdit(new QLineEdit(this)) {
    setObjectName("DirectoryChooser");
    setWindowTitle("Select Directory");
    resize(420, 380);

    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    FModel->setRootPath("/");
    FTree->setModel(FModel);
    FTree->setRootIndex(FModel->index("/"));
    FTree->setHeaderHidden(true);
    for (int column = 1; column < FModel->columnCount(); ++column)
        FTree->hideColumn(column);
    FNameEdit->setObjectName("DirectoryNameEdit");

    auto* nameLabel = new QLabel("Directory &name:", this);
    nameLabel->setBuddy(FNameEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDirectoryChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDirectoryChooser::reject);
    connect(FTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    FNameEdit->setText(FModel->filePath(current));
            });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(FNameEdit);
    layout->addWidget(FTree);
    layout->addWidget(buttons);

    ShowFolder(startFolder);
    FNameEdit->setFocus();
}

void TDirectoryChooser::ShowFolder(const QString& folder) {
    const QModelIndex index = FModel->index(folder);
    if (index != FTree->rootIndex()) {
        FTree->setCurrentIndex(index);
        FTree->scrollTo(index);
    }
    FNameEdit->setText(folder);
}

QString TDirectoryChooser::TypedFolder() const {
    const QString typed = FNameEdit->text();
    if (typed.isEmpty())
        return {};
    // A relative name is taken inside the folder selected in the tree.
    const QModelIndex current = FTree->currentIndex();
    const QString base = current.isValid() ? FModel->filePath(current) : QString("/");
    return QDir::cleanPath(QDir(base).absoluteFilePath(typed));
}

bool TDirectoryChooser::ConfirmCreate() {
    QMessageBox question(QMessageBox::Question, "Confirm",
                         "The specified directory does not exist. Create it?",
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName("CreateDirectoryQuestion");
    return question.exec() == QMessageBox::Yes;
}

void TDirectoryChooser::accept() {
    const QString folder = TypedFolder();
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder).isDir()) {
        if (!ConfirmCreate())
            return;
        // A failure shows when the folder is used.
        QDir().mkpath(folder);
    }
    FChosen = folder;
    QDialog::accept();
}
