#include "document/BinaryReader.h"
#include "document/ByteView.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

TEST(BinaryReaderTest, ReadsLittleEndianFieldsInALine)
{
    const QByteArray bytes = QByteArray::fromHex(
        "0100feffffff0300616263"
        "01000200000000000000");
    BinaryReader reader(ByteView::of(bytes));
    EXPECT_EQ(reader.int16(), 1);
    EXPECT_EQ(reader.int32(), -2);
    EXPECT_EQ(reader.text(), "abc");
    const BinaryReader::ArrayHeader header = reader.arrayHeader();
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(header.isPlainList());
    EXPECT_EQ(header.count, 2);
    EXPECT_EQ(reader.remaining(), 0);
}

TEST(BinaryReaderTest, TheFirstFailureSticksAndLaterReadsGiveNothing)
{
    const QByteArray bytes = QByteArray::fromHex(
        "0900616263"
        "07000000");
    BinaryReader reader(ByteView::of(bytes));
    EXPECT_EQ(reader.text(), "");  // claims 9 bytes, 7 are left
    EXPECT_TRUE(reader.failed());
    const std::int64_t at = reader.position();
    // Its bytes would hold a 32-bit number, but nothing is read after a failure.
    EXPECT_EQ(reader.int32(), 0);
    EXPECT_EQ(reader.bytes(0), "");
    EXPECT_EQ(reader.arrayHeader().count, 0);
    EXPECT_EQ(reader.position(), at);
    EXPECT_TRUE(reader.failed());
}

TEST(BinaryReaderTest, NegativeAndOversizedCountsFail)
{
    const QByteArray bytes(8, '\0');
    BinaryReader negative(ByteView::of(bytes));
    negative.bytes(-1);
    EXPECT_TRUE(negative.failed());
    BinaryReader oversized(ByteView::of(bytes));
    oversized.bytes(9);
    EXPECT_TRUE(oversized.failed());
    BinaryReader exact(ByteView::of(bytes));
    EXPECT_EQ(exact.bytes(8).size(), 8);
    EXPECT_FALSE(exact.failed());
}

}  // namespace
