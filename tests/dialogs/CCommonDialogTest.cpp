#include "dialogs/CCommonDialog.h"

#include "DialogTestSupport.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const QChar kNul(u'\0');

class CCommonDialogTest : public DialogTest {
protected:
    void TearDown() override { QDir::setCurrent(startFolder); }

    QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    CCommonDialog common;
};

TEST_F(CCommonDialogTest, StartsWithTheDocumentedProperties)
{
    EXPECT_EQ(common.filename, QString(512, kNul));
    EXPECT_EQ(common.FileTitle, QString(1024, kNul));
    EXPECT_EQ(common.Flags, 0x80004u);
    EXPECT_EQ(common.FilterIndex, 1);
    EXPECT_EQ(common.HelpCommand, 11);
    EXPECT_EQ(common.HelpContext, 0);
    EXPECT_TRUE(common.Filter.isEmpty());
    EXPECT_TRUE(common.Title.isEmpty());
}

TEST_F(CCommonDialogTest, ShowOpenCopiesTheChoiceAndTheChosenFilterBack)
{
    ASSERT_TRUE(touch(dir.filePath("a.wav")));
    common.Title = "効果音の追加";
    common.Filter = QStringLiteral("MIDI(*.mid)") + kNul + "*.mid" + kNul + "WAVE(*.wav)" + kNul +
                    "*.wav" + kNul;
    common.FilterIndex = 2;
    common.InitialDir = dir.path();
    common.Flags |= CCommonDialog::OFN_FILEMUSTEXIST | CCommonDialog::OFN_NOCHANGEDIR;
    QString shownTitle;
    QString shownFilter;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        shownTitle = dialog.windowTitle();
        shownFilter = dialog.selectedNameFilter();
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("a.wav");
        static_cast<QDialog&>(dialog).accept();
    });
    common.ShowOpen();
    EXPECT_EQ(shownTitle, QStringLiteral("効果音の追加"));
    EXPECT_EQ(shownFilter, QStringLiteral("WAVE(*.wav)"));
    EXPECT_EQ(common.filename, QDir::toNativeSeparators(dir.filePath("a.wav")));
    EXPECT_EQ(common.FileTitle, QStringLiteral("a.wav"));
    EXPECT_EQ(common.FilterIndex, 2);
    EXPECT_EQ(QDir::currentPath(), startFolder) << "OFN_NOCHANGEDIR keeps the current folder";
}

TEST_F(CCommonDialogTest, MultipleSelectionGivesTheFolderAndNames)
{
    ASSERT_TRUE(touch(dir.filePath("a.bmp")));
    ASSERT_TRUE(touch(dir.filePath("b.bmp")));
    common.InitialDir = dir.path();
    common.Flags |= CCommonDialog::OFN_ALLOWMULTISELECT;
    whenShown<QFileDialog>([](QFileDialog& dialog) {
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("\"a.bmp\" \"b.bmp\"");
        static_cast<QDialog&>(dialog).accept();
    });
    common.ShowOpen();
    const QStringList parts = common.filename.split(kNul);
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(QDir(parts[0]).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).absolutePath());
}

TEST_F(CCommonDialogTest, CancellingKeepsTheFileNameAndGetFolderCancelledEmptiesIt)
{
    common.filename = "keep.kwp";
    common.FilterIndex = 2;
    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    common.ShowSave();
    EXPECT_EQ(common.filename, "keep.kwp");
    EXPECT_EQ(common.FilterIndex, 2) << "a dialog without filters reports none";

    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    common.GetFolder();
    EXPECT_EQ(common.filename, QString());
}

}  // namespace
