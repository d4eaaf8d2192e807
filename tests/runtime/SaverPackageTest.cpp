#include "BuiltSaver.h"
#include "PeBytes.h"
#include "runtime/SaverTexts.h"
#include "runtime/windows/SaverPackage.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

namespace {

constexpr std::size_t kProgramLength = 0x800;
constexpr int kPackageLengthSize = 4;

std::string program()
{
    return PeBytes::file({{0x400, 0x300}, {0x700, 0x100}}, kProgramLength);
}

TEST(SaverPackageTest, AProgramWithNothingBehindItHoldsNoShow)
{
    const std::string alone = program();
    const CoreExpected<PackageView> read = SaverPackage::read(alone);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error(), SaverTexts::kNoPackage);
    // The byte that pads an odd-length program is not a show either.
    std::string odd = PeBytes::file({{0x400, 0x301}}, 0x701);
    odd.push_back('\0');
    const CoreExpected<PackageView> padded = SaverPackage::read(odd);
    ASSERT_FALSE(padded.ok());
    EXPECT_EQ(padded.error(), SaverTexts::kNoPackage);
}

TEST(SaverPackageTest, BytesBehindTheProgramThatAreNoPackageAreABrokenShow)
{
    const std::string file = program() + "not a package at all";
    const CoreExpected<PackageView> read = SaverPackage::read(file);
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().starts_with(SaverTexts::kBrokenPackage)) << read.error();
    EXPECT_GT(read.error().size(), SaverTexts::kBrokenPackage.size());
}

TEST(SaverPackageTest, TheShowBehindTheProgramIsRead)
{
    // A show built by the builder, taken from behind its Linux program and put behind ours.
    QTemporaryDir folder;
    QString errors;
    const QString saver = BuiltSaver::make(folder.path(), BuiltSaver::quarters(QSize(40, 30)),
                                           QStringLiteral("Quarters"), &errors);
    ASSERT_FALSE(saver.isEmpty()) << errors.toStdString();
    QFile built(saver);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray bytes = built.readAll();
    ASSERT_GT(bytes.size(), kPackageLengthSize);
    const quint32 length =
        qFromLittleEndian<quint32>(bytes.constData() + bytes.size() - kPackageLengthSize);
    ASSERT_LE(qsizetype(length), bytes.size());
    const std::string file = program() + bytes.right(length).toStdString();

    const CoreExpected<PackageView> read = SaverPackage::read(file);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read->CanvasWidth, 40);
    EXPECT_EQ(read->CanvasHeight, 30);
    EXPECT_EQ(read->slides.size(), 1u);
}

}  // namespace
