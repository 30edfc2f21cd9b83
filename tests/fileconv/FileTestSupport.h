#pragma once

#include "BIG2GB.h"
#include "ByteString.h"
#include "ConvertFile.h"
#include "EInOutError.h"
#include "GB2BIG.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    ByteString Path(const ByteString& name) const { return FPath + "/" + name; }

  private:
    ByteString FPath;
};

void WriteBytes(const ByteString& fileName, const ByteString& content);
ByteString ReadBytes(const ByteString& fileName);
bool Exists(const ByteString& fileName);
int OpenDescriptorCount();

// Runs `action` and returns the message of the EInOutError it raises.
template <typename Action> ByteString RaisedMessage(Action action) {
    try {
        action();
    } catch (const EInOutError& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

// Real converters and real files in a temporary folder; checks that every
// test leaves as many descriptors open as it found.
class FileConversionTest : public ::testing::Test {
  protected:
    void SetUp() override { FDescriptorsAtStart = OpenDescriptorCount(); }
    void TearDown() override {
        EXPECT_EQ(OpenDescriptorCount(), FDescriptorsAtStart) << "a descriptor was left open";
    }

    ByteString Path(const ByteString& name) const { return FFolder.Path(name); }

    // Runs ConvertFile and collects the messages it shows.
    void Convert(const ByteString& sourceName, const ByteString& destName,
                 ConversionDirection direction, bool modifyCharset,
                 const ConvertOptions& options = {});

    ByteString ConvertLine(ConversionDirection direction, const ByteString& line);

    TBIG2GB FBig5ToGb;
    TGB2BIG FGbToBig5;
    std::vector<ByteString> FMessages;

  private:
    TempFolder FFolder;
    int FDescriptorsAtStart = 0;
};
