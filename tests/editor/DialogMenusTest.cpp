#include "EditorFixture.h"
#include "dialogs/AboutForm.h"
#include "dialogs/GradientBar.h"
#include "dialogs/RGBForm.h"
#include "dialogs/SizeForm.h"
#include "editor/CanvasPicture.h"
#include "support/ViewerSpy.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace {

// The Image and Help menus' small dialogs, opened through the main window as a user does.
class DialogMenusTest : public EditorFixture {
protected:
    template <typename Dialog>
    void expectOwnedAndModal(const Dialog& dialog)
    {
        EXPECT_EQ(dialog.parentWidget(), form.get());
        EXPECT_TRUE(dialog.isModal());
    }
};

TEST_F(DialogMenusTest, SizeDialogOpensOnTheCanvasInnerSize)
{
    addSlides(1);
    document().setCanvasSize(QSize(321, 123));
    QStringList shown;
    whenShown<SizeForm>([&shown, this](SizeForm& dialog) {
        expectOwnedAndModal(dialog);
        shown = {dialog.Text1[0]->text(), dialog.Text1[1]->text()};
        dialog.Text1[0]->setText(QStringLiteral("640"));
        dialog.Text1[1]->setText(QStringLiteral("480"));
        dialog.Command1[0]->click();
    });
    action("menusize")->trigger();
    EXPECT_EQ(shown, QStringList({QStringLiteral("321"), QStringLiteral("123")}));
    EXPECT_EQ(canvas()->innerWidth(), 640);
    EXPECT_EQ(canvas()->innerHeight(), 480);
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(DialogMenusTest, ColourPickerLoadsTheCanvasColourAfreshEachTimeAndOkSetsIt)
{
    addSlides(1);
    document().setBackColor(0x00FF8000u);
    QList<QStringList> opened;
    const auto read = [](const RGBForm& dialog) {
        return QStringList(
            {dialog.Label1[0]->text(), dialog.Label1[1]->text(), dialog.Label1[2]->text()});
    };
    whenShown<RGBForm>([&](RGBForm& dialog) {
        expectOwnedAndModal(dialog);
        opened.append(read(dialog));
        dialog.Picture1_MouseDown(0, 300);
        dialog.Picture1_MouseUp();
        dialog.Command1[1]->click();
    });
    action("menucolor")->trigger();
    EXPECT_EQ(canvas()->backColor(), 0x00FF8000u) << "cancelled";

    whenShown<RGBForm>([&](RGBForm& dialog) {
        opened.append(read(dialog));
        dialog.Picture1_MouseDown(1, 16);
        dialog.Picture1_MouseUp();
        dialog.Command1[0]->click();
    });
    action("menucolor")->trigger();
    const QStringList loaded = {QStringLiteral("0"), QStringLiteral("128"), QStringLiteral("255")};
    EXPECT_EQ(opened, QList<QStringList>({loaded, loaded}));
    EXPECT_EQ(canvas()->backColor(), 0x00FF1000u);
}

TEST_F(DialogMenusTest, TopicsOpenTheManualBesideTheProgramWithoutAMessage)
{
    ViewerSpy viewer;
    action("menuhow")->trigger();
    ASSERT_EQ(viewer.opened.size(), 1);
    EXPECT_EQ(viewer.opened[0].toLocalFile(), form->applicationFolder() + "/Kremoa.html");
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(DialogMenusTest, AboutShowsAFreshModalBoxOwnedByTheWindowEachTime)
{
    QStringList versions;
    const auto answer = [&versions, this](AboutForm& about) {
        expectOwnedAndModal(about);
        versions.append(about.verLabel->text());
        about.verLabel->setText(QStringLiteral("changed"));
        about.Command1->click();
    };
    whenShown<AboutForm>(answer);
    action("menuabout")->trigger();
    whenShown<AboutForm>(answer);
    action("menuabout")->trigger();
    ASSERT_EQ(versions.size(), 2);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Version \\d+\\.\\d\\d$")).match(versions[0]).hasMatch())
        << versions[0].toStdString();
    EXPECT_EQ(versions[1], versions[0]);
    EXPECT_TRUE(form->findChildren<AboutForm*>().isEmpty()) << "closing releases the box";
}

}  // namespace
