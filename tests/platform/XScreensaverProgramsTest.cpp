#include "platform/XScreensaverPrograms.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The layout xscreensaver's settings write: one entry per line, each ended by "\n" and a
// backslash, the list ended by a blank line.
const QByteArray kWritten = QByteArrayLiteral(
    "# XScreenSaver Preferences File\n"
    "timeout:\t0:10:00\n"
    "\n"
    "programs:\t\t\t\t\t      \\\n"
    "\t\t\t\t  maze --root\t\t\t\t    \\n\\\n"
    "  - GL: \t\t\t\t  superquadrics --root\t\t    \\n\\\n"
    "\t\t\t\t  \"Clock\" xclock --root\t\t\t    \\n\\\n"
    "\n"
    "\n"
    "pointerHysteresis:\t10\n");

const QString kStars = QStringLiteral("/home/user/Stars.scr");
const QString kEntry = QStringLiteral("\"星空\" /home/user/Stars.scr --root");

// The bytes of `after` are those of `before` with exactly one run inserted.
::testing::AssertionResult oneRunInserted(const QByteArray& before, const QByteArray& after)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    const qsizetype inserted = after.size() - before.size();
    if (inserted <= 0 || after.mid(prefix + inserted) != before.mid(prefix)) {
        return ::testing::AssertionFailure() << "more than one insertion:\n" << after.toStdString();
    }
    return ::testing::AssertionSuccess();
}

TEST(XScreensaverProgramsTest, ReadsTheCommandsOfEveryEntry)
{
    const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(kWritten);
    ASSERT_TRUE(programs.ok()) << programs.error().toStdString();
    EXPECT_EQ(programs->commands(),
              QStringList({"maze --root", "superquadrics --root", "xclock --root"}));
    EXPECT_TRUE(programs->lists("xclock"));
    EXPECT_FALSE(programs->lists("--root"));
    EXPECT_FALSE(programs->lists(kStars));
}

TEST(XScreensaverProgramsTest, NewEntryGoesBeforeTheBlankLineAndEverythingElseStays)
{
    const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(kWritten);
    ASSERT_TRUE(programs.ok());

    const QByteArray added = programs->withEntry(kEntry);

    QByteArray expected = kWritten;
    expected.insert(expected.indexOf("\n\n\npointer") + 1,
                    "\t\t\t\t" + kEntry.toUtf8() + " \\n\\\n");
    EXPECT_EQ(added, expected);
    const Expected<XScreensaverPrograms> again = XScreensaverPrograms::read(added);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again->commands().size(), 4);
    EXPECT_EQ(again->commands().last(), "/home/user/Stars.scr --root");
    EXPECT_TRUE(again->lists(kStars));
}

TEST(XScreensaverProgramsTest, ListsWrittenByHandTakeTheEntryOnANewLine)
{
    struct Case {
        QByteArray file;
        QStringList commands;
    } cases[] = {
        {"timeout: 0:05:00\nprograms: maze --root\nlock: False\n", {"maze --root"}},
        {"programs:\nmode: one\n", {}},
        {"! comment\nprograms:   \\\n  a --root \\n\\\n  b --root", {"a --root", "b --root"}},
        {"programs: a --root \\n\n", {"a --root"}},
        {"  programs :\t-\tb\\n\\\n\n", {"b"}},
    };
    for (const Case& item : cases) {
        const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(item.file);
        ASSERT_TRUE(programs.ok()) << item.file.toStdString();
        EXPECT_EQ(programs->commands(), item.commands) << item.file.toStdString();

        const QByteArray added = programs->withEntry(kEntry);
        EXPECT_TRUE(oneRunInserted(item.file, added));
        const Expected<XScreensaverPrograms> again = XScreensaverPrograms::read(added);
        ASSERT_TRUE(again.ok());
        QStringList expected = item.commands;
        expected.append("/home/user/Stars.scr --root");
        EXPECT_EQ(again->commands(), expected) << added.toStdString();
    }
}

TEST(XScreensaverProgramsTest, FileWithoutAListIsNotUnderstood)
{
    for (const QByteArray& file :
         {QByteArray(), QByteArray("timeout: 0:10:00\n"), QByteArray("! programs: maze\n"),
          QByteArray("programsList: maze\n"), QByteArray("lock: \\\nprograms: maze\n")}) {
        const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(file);
        EXPECT_FALSE(programs.ok()) << file.toStdString();
        if (!programs.ok()) {
            EXPECT_EQ(programs.error(), XScreensaverPrograms::kNoPrograms);
        }
    }
}

TEST(XScreensaverProgramsTest, EntryQuotesWhatTheCommandLineWouldSplit)
{
    EXPECT_EQ(XScreensaverPrograms::entryFor(QStringLiteral("星空"), kStars).value(), kEntry);
    EXPECT_EQ(XScreensaverPrograms::entryFor("My \"best\" show", "/home/u/My Shows/a.scr").value(),
              "\"My  best  show\" '/home/u/My Shows/a.scr' --root");

    const Expected<XScreensaverPrograms> programs =
        XScreensaverPrograms::read("programs: '/home/u/My Shows/a.scr' --root\n");
    ASSERT_TRUE(programs.ok());
    EXPECT_TRUE(programs->lists("/home/u/My Shows/a.scr"));

    for (const QString& path :
         {QString("/home/u/it's.scr"), QString("/home/u/a\\b.scr"), QString("/home/u/a\nb.scr")}) {
        EXPECT_FALSE(XScreensaverPrograms::entryFor("x", path).ok()) << path.toStdString();
    }
}

}  // namespace
