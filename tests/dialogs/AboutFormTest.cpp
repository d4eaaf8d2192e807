#include "dialogs/AboutForm.h"
#include "dialogs/HelpViewer.h"
#include "support/ViewerSpy.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// The application lives until the process ends: destroying it at exit races Qt's own clean-up.
void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "AboutFormTest";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

class AboutFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(AboutFormTest, VersionShowsTheMinorVersionAsTwoDigits)
{
    EXPECT_EQ(AboutForm::versionText(2, 7), QStringLiteral("Version 2.07"));
    EXPECT_EQ(AboutForm::versionText(1, 50), QStringLiteral("Version 1.50"));
    EXPECT_EQ(AboutForm::versionText(3, 123), QStringLiteral("Version 3.23"));

    AboutForm form;
    EXPECT_EQ(form.verLabel->text(), QStringLiteral("Version 1.00"));
}

TEST_F(AboutFormTest, ShowsTheNameAndAReadOnlyNotice)
{
    AboutForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(form.titleLabel->text(), QStringLiteral("クレモア"));
    EXPECT_EQ(form.titleLabel->font().families().value(0), QStringLiteral("ＭＳ 明朝"));
    EXPECT_TRUE(form.Text1->isReadOnly());
    const QString notice = form.Text1->toPlainText();
    EXPECT_TRUE(notice.contains(QStringLiteral("フリーソフトウェア")));
    EXPECT_TRUE(notice.contains(QStringLiteral("再配布")));
    EXPECT_TRUE(notice.contains(QStringLiteral("メール")));
    EXPECT_TRUE(notice.contains(QStringLiteral("責任")));
}

TEST_F(AboutFormTest, TitleFallsBackToAnInstalledJapaneseSerifFont)
{
    const QStringList installed = QFontDatabase::families();
    QString expected;
    for (const QString& family : {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                                  QStringLiteral("Noto Serif CJK JP")}) {
        if (installed.contains(family)) {
            expected = family;
            break;
        }
    }
    if (expected.isEmpty()) {
        GTEST_SKIP() << "no Mincho-style Japanese font installed";
    }
    AboutForm form;
    EXPECT_EQ(QFontInfo(form.titleLabel->font()).family(), expected);
}

TEST_F(AboutFormTest, FocusOnTheNoticeMovesToOk)
{
    AboutForm form;
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    form.Text1->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), form.Command1);
}

TEST_F(AboutFormTest, TheMouseCannotSelectTheNotice)
{
    AboutForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    QWidget* page = form.Text1->viewport();
    const QPointF start(4, 4);
    const QPointF end(page->width() - 4, page->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, start, page->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &press);
    QMouseEvent move(QEvent::MouseMove, end, page->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(page, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, page->mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page, &release);
    QApplication::processEvents();
    EXPECT_FALSE(form.Text1->textCursor().hasSelection());
    EXPECT_EQ(form.focusWidget(), form.Command1);
}

TEST_F(AboutFormTest, OkCloses)
{
    AboutForm form;
    form.show();
    form.Command1->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(AboutFormTest, HelpOpensTheManualOfTheApplicationFolderEvenWhenItIsMissing)
{
    ViewerSpy viewer;
    HelpViewer::menuhow_Click(QStringLiteral("/opt/kremoa/"));
    HelpViewer::menuhow_Click(QDir::toNativeSeparators(QStringLiteral("/nowhere")));
    ASSERT_EQ(viewer.opened.size(), 2);
    EXPECT_EQ(viewer.opened[0], QUrl::fromLocalFile(QStringLiteral("/opt/kremoa/Kremoa.html")));
    EXPECT_EQ(viewer.opened[1], QUrl::fromLocalFile(QStringLiteral("/nowhere/Kremoa.html")));
}

TEST(HelpViewer, ManualPathHasOneSeparator)
{
    EXPECT_EQ(HelpViewer::helpPath(QStringLiteral("/opt/kremoa")),
              QStringLiteral("/opt/kremoa/Kremoa.html"));
    EXPECT_EQ(HelpViewer::helpPath(QStringLiteral("/")), QStringLiteral("/Kremoa.html"));
}

}  // namespace
