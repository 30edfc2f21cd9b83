#include "Main.h"

#include "BatchNames.h"
#include "ConvertFile.h"
#include "FileNames.h"
#include "MessageBox.h"
#include "StatusText.h"
#include "TFileStream.h"
#include "TWaitCursor.h"
#include "ui_Main.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTextCursor>

#include <chrono>
#include <exception>

namespace {

constexpr int ClientWidth = 597;
constexpr int ClientHeight = 393;
constexpr int FontPixelSize = 15;
constexpr int SourceItemHeight = 17;

ByteString FileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString ShownFileName(const ByteString& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    setObjectName("Form1");
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    QFont font("Times New Roman");
    font.setPixelSize(FontPixelSize);
    setFont(font);
    FitLabels();
    CreateDialogs();
    ConnectHandlers();
    Loaded();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (FCentred || event->spontaneous())
        return;
    // Centred once, frame included, when the window first appears.
    FCentred = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::Loaded() {
    FBig5ToGb = std::make_unique<TBIG2GB>();
    FGbToBig5 = std::make_unique<TGB2BIG>();
}

void TForm1::FormDestroy() {
    FBig5ToGb.reset();
    FGbToBig5.reset();
}

void TForm1::FitLabels() {
    // Captions size themselves, as the form's labels do: the face that stands
    // in for Times New Roman sets a few of them wider than their boxes.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label != ui->StatusLb && !label->wordWrap())
            label->resize(label->size().expandedTo(label->sizeHint()));
    }
}

void TForm1::CreateDialogs() {
    // Qt's own dialogs, the same on every desktop.
    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName("OpenDialog1");
    OpenDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    // Each entry is the label, then the patterns Qt filters by.
    OpenDialog1->setNameFilters({
        "All text files (*.txt *.htm *.html *.ini *.java *.pas *.c *.cpp)",
        "text (*.txt) (*.txt)",
        "HTML (*.htm, *.html, *.xml) (*.htm *.html *.xml *.xsl)",
        "All files (*.*) (*)",
    });

    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName("SaveDialog1");
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setDefaultSuffix("txt");
}

void TForm1::ConnectHandlers() {
    const auto onClick = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(ui->Big5ToGBBn, &TForm1::Big5ToGBBnClick);
    onClick(ui->GBBig5Bn, &TForm1::GBBig5BnClick);
    onClick(ui->CloseButton, &TForm1::CloseButtonClick);
    onClick(ui->CopyButton, &TForm1::CopyButtonClick);
    onClick(ui->PasteButton, &TForm1::PasteButtonClick);
    onClick(ui->SelectAllButton, &TForm1::SelectAllButtonClick);
    onClick(ui->ClearButton, &TForm1::ClearButtonClick);
    onClick(ui->SaveButton, &TForm1::SaveButtonClick);
    onClick(ui->Button1, &TForm1::Button1Click);
    onClick(ui->Button2, &TForm1::Button2Click);
    onClick(ui->Button3, &TForm1::Button3Click);
}

void TForm1::Big5ToGBBnClick() {
    RunConversion(ConversionDirection::Big5ToGb);
}

void TForm1::GBBig5BnClick() {
    RunConversion(ConversionDirection::GbToBig5);
}

void TForm1::CloseButtonClick() {
    close();
}

void TForm1::CopyButtonClick() {
    ui->Memo1->copy();
}

void TForm1::PasteButtonClick() {
    ui->Memo1->paste();
}

void TForm1::SelectAllButtonClick() {
    ui->Memo1->selectAll();
}

void TForm1::ClearButtonClick() {
    ui->Memo1->clear();
    FMemoText.Clear();
}

void TForm1::SaveButtonClick() {
    if (SaveDialog1->exec() != QDialog::Accepted)
        return;
    // Errors go to the application's default handler.
    TFileStream file(FileName(SaveDialog1->selectedFiles().value(0)));
    file.WriteBuffer(FMemoText.Bytes(ui->Memo1->toPlainText().toStdString()));
}

void TForm1::Button1Click() {
    if (OpenDialog1->exec() == QDialog::Accepted)
        ui->FilenameEdit1->setText(OpenDialog1->selectedFiles().value(0));
}

void TForm1::Button2Click() {
    if (SaveDialog1->exec() == QDialog::Accepted)
        ui->FilenameEdit2->setText(SaveDialog1->selectedFiles().value(0));
}

void TForm1::Button3Click() {
    OpenDialog1->setFileMode(QFileDialog::ExistingFiles);
    const bool confirmed = OpenDialog1->exec() == QDialog::Accepted;
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    if (!confirmed)
        return;
    SetSourceFiles(OpenDialog1->selectedFiles());
    // Dropped down, so that the user sees what was chosen.
    ui->FilenameComboBox->showPopup();
}

void TForm1::SetSourceFiles(const QStringList& names) {
    QComboBox* list = ui->FilenameComboBox;
    list->clear();
    list->addItems(names);
    for (int i = 0; i < list->count(); ++i)
        list->setItemData(i, QSize(0, SourceItemHeight), Qt::SizeHintRole);
    if (list->count() > 0)
        list->setCurrentIndex(0);
}

std::vector<ByteString> TForm1::SourceFiles() const {
    // The list's entries; what is typed into the edit field is not one.
    std::vector<ByteString> sources;
    for (int i = 0; i < ui->FilenameComboBox->count(); ++i)
        sources.push_back(FileName(ui->FilenameComboBox->itemText(i)));
    return sources;
}

void TForm1::ConvertFile(const ByteString& sourceName, const ByteString& destName,
                         ConversionDirection direction, bool modifyCharset) {
    ::ConvertFile(sourceName, destName, direction, modifyCharset,
                  Converters{*FBig5ToGb, *FGbToBig5}, ShowMessageBox);
}

bool TForm1::ShouldModifyCharset(const ByteString& fileName) const {
    return ::ShouldModifyCharset(fileName, ui->CharsetCheckbox->isChecked());
}

void TForm1::RunConversion(ConversionDirection direction) {
    const QString page = ui->PageControl->currentWidget()->objectName();
    if (page == "MemoTabSheet")
        TimedRun([&] { return ConvertMemo(direction); });
    else if (page == "FileTabSheet")
        TimedRun([&] {
            ConvertSingleFile(direction);
            return QString();
        });
    else if (page == "FilesTabSheet")
        ConvertFiles(direction);
}

void TForm1::TimedRun(const std::function<QString()>& work) {
    using Clock = std::chrono::steady_clock;
    QString note;
    Clock::time_point start;
    {
        const TWaitCursor waitCursor;
        start = Clock::now();
        try {
            note = work();
        } catch (const std::exception& error) {
            ShowMessageBox(error.what());
        }
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    ui->StatusLb->setText(AccomplishedText(elapsed.count()) + note);
}

QString TForm1::ConvertMemo(ConversionDirection direction) {
    const bool toBig5 = direction == ConversionDirection::GbToBig5;
    const CodePageId from = toBig5 ? CodePageId::Cp936 : CodePageId::Cp950;
    const CodePageId to = toBig5 ? CodePageId::Cp950 : CodePageId::Cp936;
    const std::string before = ui->Memo1->toPlainText().toStdString();
    TMemoText::Conversion conversion =
        FMemoText.Convert(before, from, to, [&](const ByteString& line) {
            return toBig5 ? FGbToBig5->Convert(line) : FBig5ToGb->Convert(line);
        });
    ReplaceMemoText(QString::fromStdString(conversion.text));
    FMemoText.Converted(before, ui->Memo1->toPlainText().toStdString(), to,
                        std::move(conversion.bytes));
    return ReplacedNote(conversion.replaced, toBig5 ? "GB2312" : "Big5");
}

void TForm1::ReplaceMemoText(const QString& text) {
    // One edit block: a single undo brings the old text back.
    QTextCursor cursor(ui->Memo1->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
}

void TForm1::ConvertSingleFile(ConversionDirection direction) {
    // The names as they stand in the fields.
    const ByteString source = FileName(ui->FilenameEdit1->text());
    const ByteString dest = FileName(ui->FilenameEdit2->text());
    ConvertFile(source, dest, direction, ShouldModifyCharset(source));
}

void TForm1::ConvertFiles(ConversionDirection direction) {
    const QString variant = ui->PageControl2->currentWidget()->objectName();
    if (variant == "SameTabSheet")
        TimedRun([&] {
            ConvertSameFolder(direction);
            return QString();
        });
    else if (variant == "OtherTabSheet")
        ConvertOtherFolder(direction);
}

void TForm1::ConvertSameFolder(ConversionDirection direction) {
    const ByteString suffix = BatchSuffix(FileName(ui->SuffixEdit->text()), direction);
    ConvertBatch(direction,
                 [&](const ByteString& source) { return SameFolderDestination(source, suffix); });
}

void TForm1::ConvertOtherFolder(ConversionDirection direction) {
    // Checked before the timed run: a stop leaves cursor and status alone.
    if (ui->DirectoryEdit1->text().isEmpty()) {
        ShowMessageBox("Please choose a destination folder.");
        return;
    }
    const ByteString folder = DestinationFolder(FileName(ui->DirectoryEdit1->text()));
    const std::vector<ByteString> sources = SourceFiles();
    if (!sources.empty() && SameFolder(folder, ExtractFilePath(sources.front()))) {
        ShowMessageBox("The destination folder should not be the source folder.");
        return;
    }
    if (!EnsureFolder(folder)) {
        ShowMessageBox("Cannot create " + folder);
        return;
    }
    TimedRun([&] {
        ConvertBatch(direction, [&](const ByteString& source) {
            return OtherFolderDestination(folder, source);
        });
        return QString();
    });
}

void TForm1::ConvertBatch(ConversionDirection direction,
                          const std::function<ByteString(const ByteString&)>& destinationOf) {
    const std::vector<ByteString> sources = SourceFiles();
    for (std::size_t i = 0; i < sources.size(); ++i) {
        ShowProgress(i + 1, sources.size(), sources[i]);
        ConvertFile(sources[i], destinationOf(sources[i]), direction,
                    ShouldModifyCharset(sources[i]));
    }
}

void TForm1::ShowProgress(std::size_t number, std::size_t count, const ByteString& source) {
    ui->StatusLb->setText(ProgressText(number, count, ShownFileName(ExtractFileName(source))));
    // Painted at once, without taking input.
    ui->StatusLb->repaint();
}
