#include "dialogs/AboutForm.h"
#include "dialogs/HelpViewer.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

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

TEST_F(AboutFormTest, OkCloses)
{
    AboutForm form;
    form.show();
    form.Command1->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(HelpViewer, ManualPathHasOneSeparator)
{
    EXPECT_EQ(HelpViewer::helpPath(QStringLiteral("/opt/kremoa")),
              QStringLiteral("/opt/kremoa/Kremoa.html"));
    EXPECT_EQ(HelpViewer::helpPath(QStringLiteral("/")), QStringLiteral("/Kremoa.html"));
}

}  // namespace
