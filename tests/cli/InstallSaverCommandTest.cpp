#include "document/SourceFile.h"
#include "document/SystemError.h"
#include "runtime/BuiltSaver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const QByteArray kSettings = QByteArrayLiteral(
    "# XScreenSaver Preferences File\n"
    "timeout:\t0:10:00\n"
    "mode:\t\trandom\n"
    "\n"
    "programs:\t\t\t\t\t      \\\n"
    "\t\t\t\t  maze --root\t\t\t\t    \\n\\\n"
    "- GL: \t\t\t\t  superquadrics --root\t\t    \\n\\\n"
    "\n"
    "\n"
    "pointerHysteresis:\t10\n");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs install-saver with a home folder of the test's own.
class InstallSaverCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(home()));
        ASSERT_TRUE(QDir().mkpath(root.filePath("shows")));
        QString errors;
        saver = BuiltSaver::make(root.filePath("shows"), BuiltSaver::quarters({64, 48}),
                                 QStringLiteral("四つの色"), &errors);
        ASSERT_FALSE(saver.isEmpty()) << errors.toStdString();
    }

    QString home() const { return root.filePath("home"); }
    QString settings() const { return root.filePath("home/.xscreensaver"); }

    int install(const QString& argument)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(root.filePath("shows"));
        process.start(AppFolder::path("kremoa-cli"), {"install-saver", argument});
        EXPECT_TRUE(process.waitForFinished(BuiltSaver::kTimeoutMs));
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    QTemporaryDir root;
    QString saver;
    QString out;
    QString err;
};

TEST_F(InstallSaverCommandTest, ListGetsOneEntryWithTheAbsolutePathAndKeepsEveryOtherByte)
{
    ASSERT_TRUE(writeFile(settings(), kSettings));

    ASSERT_EQ(install("Quarters.scr"), 0) << err.toStdString();

    const QByteArray entry =
        QStringLiteral("\t\t\t\t\"四つの色\" %1 --root \\n\\\n").arg(saver).toUtf8();
    QByteArray expected = kSettings;
    expected.insert(expected.indexOf("\n\n\npointer") + 1, entry);
    EXPECT_EQ(readFile(settings()), expected);
    EXPECT_TRUE(out.contains(QStringLiteral("「四つの色」"))) << out.toStdString();
    EXPECT_TRUE(out.contains("\nXSECURELOCK_SAVER=" + saver + "\n")) << out.toStdString();
}

TEST_F(InstallSaverCommandTest, SecondRunChangesNothing)
{
    ASSERT_TRUE(writeFile(settings(), kSettings));
    ASSERT_EQ(install(saver), 0) << err.toStdString();
    const QByteArray once = readFile(settings());

    EXPECT_EQ(install(saver), 0) << err.toStdString();

    EXPECT_EQ(readFile(settings()), once);
    EXPECT_TRUE(out.contains(QStringLiteral("もう登録されています"))) << out.toStdString();
    EXPECT_TRUE(out.contains("XSECURELOCK_SAVER=" + saver)) << out.toStdString();
}

TEST_F(InstallSaverCommandTest, MissingSettingsAreNotMadeUpAndTheUserIsToldWhatToDo)
{
    EXPECT_EQ(install(saver), 2);

    EXPECT_FALSE(QFile::exists(settings()));
    EXPECT_TRUE(err.contains("xscreensaver-settings")) << err.toStdString();
    EXPECT_TRUE(err.contains(settings())) << err.toStdString();
    EXPECT_TRUE(out.contains("XSECURELOCK_SAVER=" + saver)) << "xsecurelock needs no list";
    EXPECT_EQ(QDir(home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

TEST_F(InstallSaverCommandTest, UnreadableOrUnknownSettingsAreLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(settings()));  // a folder cannot be read as a file
    EXPECT_EQ(install(saver), 2);
    EXPECT_TRUE(err.contains(settings())) << err.toStdString();
    EXPECT_TRUE(QFileInfo(settings()).isDir());
    ASSERT_TRUE(QDir(settings()).removeRecursively());

    const QByteArray foreign = "timeout:\t0:10:00\nlock:\tTrue\n";
    ASSERT_TRUE(writeFile(settings(), foreign));
    EXPECT_EQ(install(saver), 2);
    EXPECT_EQ(readFile(settings()), foreign);
    EXPECT_TRUE(err.contains("programs:")) << err.toStdString();
}

TEST_F(InstallSaverCommandTest, OnlyABuiltSaverIsRegistered)
{
    ASSERT_TRUE(writeFile(settings(), kSettings));
    const QString text = root.filePath("shows/notes.txt");
    ASSERT_TRUE(writeFile(text, "not a saver"));

    EXPECT_EQ(install(text), 2);
    EXPECT_EQ(install(root.filePath("shows/missing.scr")), 2);
    EXPECT_TRUE(err.contains(SystemError::kNotFound)) << err.toStdString();
    // A FIFO is refused at once instead of waiting for a writer.
    const QString fifo = root.filePath("shows/fifo.scr");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(install(fifo), 2);
    EXPECT_TRUE(err.contains(SourceFile::kNotRegular)) << err.toStdString();

    EXPECT_EQ(readFile(settings()), kSettings);
}

TEST_F(InstallSaverCommandTest, AWindowsSaverIsNotRegistered)
{
    ASSERT_TRUE(writeFile(settings(), kSettings));
    // The same show behind a program that starts like a Windows one.
    QByteArray bytes = readFile(saver);
    bytes.replace(0, 2, "MZ");
    const QString windowsSaver = root.filePath("shows/windows.scr");
    ASSERT_TRUE(writeFile(windowsSaver, bytes));
    QFile::setPermissions(windowsSaver, QFile::permissions(saver));

    EXPECT_EQ(install(windowsSaver), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Windows 用のスクリーンセーバーです")))
        << err.toStdString();
    EXPECT_EQ(readFile(settings()), kSettings);
}

}  // namespace
