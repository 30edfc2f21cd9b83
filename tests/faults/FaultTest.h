#pragma once

#include "BIG2GB.h"
#include "ByteString.h"
#include "GB2BIG.h"
#include "TBatch.h"
#include "TPrivateMount.h"
#include "TScratchFolder.h"
#include "TSourceSnapshot.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

// Real files in a scratch folder, converted from Big5 to GB. Every test is
// checked afterwards for a descriptor left open and for a source whose bytes
// changed.
class FaultTest : public ::testing::Test {
  public:
    // Moves a source away mid-batch, keeping track of its bytes.
    void MoveAway(const ByteString& source);

  protected:
    void SetUp() override;
    void TearDown() override;

    ByteString Path(const ByteString& name) const { return FFolder.Path(name); }
    ByteString MakeFolder(const ByteString& name) const;

    // Writes a source of CR LF lines and takes it into the snapshot.
    ByteString MakeSource(const ByteString& name, const ByteString& text);
    // Big5 text of about `size` bytes in CR LF lines, different for each seed.
    static ByteString Text(std::size_t size, int seed = 0);
    // What the converted text of a source made by MakeSource must be.
    ByteString Converted(const ByteString& text);

    BatchOutcome RunBatch(const std::vector<ByteString>& sources,
                          const TBatch::Destination& destination,
                          const TBatch::BeforeEach& beforeEach = {});

    // Mounts for the length of the test; empty, or why it cannot be done.
    std::string MountSmallFileSystem(const ByteString& at, unsigned sizeKiB);
    std::string MountReadOnly(const ByteString& folder);

    TBIG2GB FBig5ToGb;
    TGB2BIG FGbToBig5;
    TSourceSnapshot FSources;

  private:
    TScratchFolder FFolder;
    std::vector<TPrivateMount> FMounts;
    int FDescriptorsAtStart = 0;
};

ByteString ReadBytes(const ByteString& fileName);
void WriteBytes(const ByteString& fileName, const ByteString& bytes);
bool Exists(const ByteString& fileName);
int OpenDescriptorCount();
