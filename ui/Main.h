#pragma once

#include "BIG2GB.h"
#include "ByteString.h"
#include "ConversionDirection.h"
#include "GB2BIG.h"
#include "TMemoText.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QFileDialog;

namespace Ui {
class TForm1;
}

// The main window: the About, Memo, File and Files pages, the two direction
// buttons and the status line. Owns the two converters.
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    // Raises the converters' errors when a code table cannot be opened.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Converts what the open page holds, in a timed run.
    void RunConversion(ConversionDirection direction);

    // Converts one text file with the window's converters; errors inside
    // the file's loop are shown in a message box, others are raised.
    void ConvertFile(const ByteString& sourceName, const ByteString& destName,
                     ConversionDirection direction, bool modifyCharset);

    // Whether the charset declaration of `fileName` is to be rewritten: the
    // "Modify html charset" box and the name's extension decide.
    bool ShouldModifyCharset(const ByteString& fileName) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Loaded();
    void FormDestroy();
    void FitLabels();
    void CreateDialogs();
    void ConnectHandlers();

    void Big5ToGBBnClick();
    void GBBig5BnClick();
    void CloseButtonClick();
    void CopyButtonClick();
    void PasteButtonClick();
    void SelectAllButtonClick();
    void ClearButtonClick();
    void SaveButtonClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Runs `work` with the wait cursor and an error guard, then reports the
    // elapsed time in the status line, followed by the note `work` returns.
    void TimedRun(const std::function<QString()>& work);

    QString ConvertMemo(ConversionDirection direction);
    void ReplaceMemoText(const QString& text);

    void ConvertSingleFile(ConversionDirection direction);
    void ConvertFiles(ConversionDirection direction);
    void ConvertSameFolder(ConversionDirection direction);
    void ConvertOtherFolder(ConversionDirection direction);
    // Converts every source of the list into `destinationOf(source)`.
    void ConvertBatch(ConversionDirection direction,
                      const std::function<ByteString(const ByteString&)>& destinationOf);
    std::vector<ByteString> SourceFiles() const;
    void SetSourceFiles(const QStringList& names);
    void ShowProgress(std::size_t number, std::size_t count, const ByteString& source);

    std::unique_ptr<Ui::TForm1> ui;
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    std::unique_ptr<TBIG2GB> FBig5ToGb;
    std::unique_ptr<TGB2BIG> FGbToBig5;
    TMemoText FMemoText;
    bool FCentred = false;
};
