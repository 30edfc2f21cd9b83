#include "BIG2GB.h"
#include "Exception.h"
#include "GB2BIG.h"
#include "TResourceStream.h"

#include <gtest/gtest.h>

TEST(ResourceStream, UnknownNameIsReported) {
    try {
        TResourceStream stream(0, "NOSUCH", ResourceType::RawData);
        FAIL() << "no error raised";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NOSUCH not found");
    }
}

TEST(ResourceStream, ReadAtOrBeyondEndTransfersNothing) {
    TResourceStream stream(0, "BIG2GB", ResourceType::RawData);
    ASSERT_EQ(stream.Size(), 45438u);
    char buffer[2] = {'x', 'x'};
    stream.Seek(45438);
    EXPECT_EQ(stream.Read(buffer, 2), 0u);
    stream.Seek(45437);
    EXPECT_EQ(stream.Read(buffer, 2), 1u);
    EXPECT_EQ(buffer[1], 'x');
}
