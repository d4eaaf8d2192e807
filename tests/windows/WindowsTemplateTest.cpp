#include "WineSession.h"

#include "runtime/AppFolder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The parts of a PE file's headers that say what kind of program it is.
constexpr qsizetype kPeOffsetField = 0x3c;
constexpr char kPeSignature[] = {'P', 'E', '\0', '\0'};
constexpr qsizetype kCoffMachine = 4;  // after the signature
constexpr qsizetype kCoffSymbolCount = 4 + 12;
constexpr qsizetype kOptionalHeader = 4 + 20;
constexpr qsizetype kOptionalSubsystem = 68;
constexpr quint16 kMachineAmd64 = 0x8664;
constexpr quint16 kSubsystemWindowsGui = 2;

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | quint8(bytes[at + i]);
    }
    return value;
}

// ProjectWin.krt as the host build leaves it; needs no Wine.
class WindowsTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(WineSession::windowsTemplate());
        if (!file.open(QIODevice::ReadOnly)) {
            if (qEnvironmentVariable("CI") == QLatin1String("true")) {
                FAIL() << "no ProjectWin.krt in the application folder";
            }
            GTEST_SKIP() << "no ProjectWin.krt: configure with -DKREMOA_WINDOWS_RUNTIME=ON";
        }
        bytes = file.readAll();
        ASSERT_GT(bytes.size(), kPeOffsetField + 4);
        pe = littleEndian(bytes, kPeOffsetField, 4);
        ASSERT_LT(pe + kOptionalHeader + kOptionalSubsystem + 2, bytes.size());
    }

    QByteArray bytes;
    qsizetype pe = 0;
};

TEST_F(WindowsTemplateTest, IsAStrippedWindowsGuiProgramOfEvenLength)
{
    EXPECT_TRUE(bytes.startsWith("MZ"));
    EXPECT_EQ(bytes.size() % 2, 0);
    EXPECT_EQ(std::memcmp(bytes.constData() + pe, kPeSignature, sizeof kPeSignature), 0);
    EXPECT_EQ(littleEndian(bytes, pe + kCoffMachine, 2), kMachineAmd64);
    EXPECT_EQ(littleEndian(bytes, pe + kCoffSymbolCount, 4), 0u) << "symbols left in";
    EXPECT_EQ(littleEndian(bytes, pe + kOptionalHeader + kOptionalSubsystem, 2),
              kSubsystemWindowsGui);
}

TEST_F(WindowsTemplateTest, ImportsOnlyLibrariesWindowsItselfHas)
{
    QProcess objdump;
    objdump.start(QStringLiteral(KREMOA_MINGW_OBJDUMP), {"-p", WineSession::windowsTemplate()});
    ASSERT_TRUE(objdump.waitForFinished(WineSession::kTimeoutMs));
    ASSERT_EQ(objdump.exitCode(), 0);
    const QString headers = QString::fromLatin1(objdump.readAllStandardOutput());
    static const QRegularExpression dllName(QStringLiteral("DLL Name: (\\S+)"));
    QStringList libraries;
    for (const QRegularExpressionMatch& match : dllName.globalMatch(headers)) {
        libraries.append(match.captured(1).toLower());
    }
    ASSERT_TRUE(libraries.contains("kernel32.dll")) << headers.toStdString();
    // MinGW's own runtime libraries (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) are "lib*".
    for (const QString& library : libraries) {
        EXPECT_FALSE(library.startsWith("lib")) << library.toStdString();
    }
}

TEST_F(WindowsTemplateTest, CarriesTheDefaultIconBytesAtAnEvenOffset)
{
    // The builder swaps a chosen icon by finding these bytes (from offset 28 of scricon.ico).
    constexpr qsizetype kIconDataOffset = 28;
    const QByteArray icon = AppFolder::read("scricon.ico");
    ASSERT_GT(icon.size(), kIconDataOffset);
    const QByteArray data = icon.mid(kIconDataOffset);
    qsizetype at = bytes.indexOf(data);
    while (at >= 0 && at % 2 != 0) {
        at = bytes.indexOf(data, at + 1);
    }
    EXPECT_GE(at, 0);
}

}  // namespace
