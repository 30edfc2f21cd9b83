#include "Main.h"

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

ByteString FileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
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

void TForm1::RunConversion(ConversionDirection direction) {
    const QString page = ui->PageControl->currentWidget()->objectName();
    if (page == "MemoTabSheet")
        TimedRun([&] { return ConvertMemo(direction); });
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
