#include "EditorFixture.h"
#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"

#include <QClipboard>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// A menu's entries as "name|caption|shortcut", a rule as "-".
QStringList entries(const QMenu* menu)
{
    QStringList result;
    for (const QAction* item : menu->actions()) {
        result.append(item->isSeparator() ? QStringLiteral("-")
                                          : item->objectName() + u'|' + item->text() + u'|' +
                                                item->shortcut().toString());
    }
    return result;
}

class MainMenusTest : public EditorFixture {};

TEST_F(MainMenusTest, MenuBarHasTheFiveMenusInOrder)
{
    QStringList menus;
    for (const QAction* top : form->menuBar()->actions()) {
        menus.append(top->menu()->objectName() + u'|' + top->text());
    }
    EXPECT_EQ(menus,
              QStringList({"menufile|ファイル(&F)", "menuedit|編集(&E)", "menuvisble|表示(&V)",
                           "menuimage|イメージ(&I)", "menuhelp|ヘルプ(&H)"}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("クレモア"));
}

TEST_F(MainMenusTest, FileEditViewAndHelpItemsHaveTheirCaptionsNamesAndShortcuts)
{
    EXPECT_EQ(
        entries(form->findChild<QMenu*>("menufile")),
        QStringList({"menusinki|新規作成(&N)|Ctrl+N", "-", "menuOpen|作業ファイルを開く(&O)...|",
                     "menuSaveData|作業中のデータを保存(&A)...|", "-",
                     "menuSave|スクリーンセーバーの作成(&S)...|Ctrl+S", "-",
                     "menuend|クレモアの終了(&E)|"}));
    EXPECT_EQ(entries(form->findChild<QMenu*>("menuedit")),
              QStringList({"menucopy|コピー(&C)|Ctrl+C"}));
    EXPECT_EQ(entries(form->findChild<QMenu*>("menuvisble")),
              QStringList({"menupreview|プレビュー(&P)|Ctrl+P"}));
    EXPECT_EQ(
        entries(form->findChild<QMenu*>("menuhelp")),
        QStringList({"menuhow|トピックの検索(&H)...|", "-", "menuabout|バージョン情報(&A)...|"}));
}

TEST_F(MainMenusTest, ImageMenuHasItsItemsRulesAndShortcuts)
{
    EXPECT_EQ(
        entries(form->findChild<QMenu*>("menuimage")),
        QStringList({"menusize|サイズ変更(&R)...|",
                     "menucolor|背景色変更(&C)...|",
                     "-",
                     "menuup|上へ移動(&U)|",
                     "menudown|下へ移動(&V)|",
                     "-",
                     "menuadd|追加(&A)...|Ctrl+A",
                     "menuClone|複製(&F)|Ctrl+F",
                     "menudelete|削除(&D)|Ctrl+D",
                     "menualldelete|すべて削除(&K)|",
                     "-",
                     "menucenter|中央に表示(&C)|Ctrl+R",
                     "manuallcenter|すべて中央に表示(&S)|",
                     "menuAllichisitei|現在の表示位置をすべてに適用(&N)|",
                     "menuAllTime|現在の表示時間をすべてに適用(&J)|",
                     "menuAlleffect|現在の切り替え効果をすべてに適用(&E)|",
                     "menuRandamEffect|すべてに切り替え効果をランダムに設定(&B)|",
                     "menuAllSound|現在の効果音をすべてに適用(&K)|",
                     "menuAllNokosu|現在の前のイメージを残す設定をすべてに適用(&Z)|",
                     "menuAllTransparent|現在の背景色と同じ色を透過の設定をすべてに適用(&T)|"}));
}

TEST_F(MainMenusTest, ToolbarButtonsSitAtTheirPositionsWithTheirToolTips)
{
    const struct {
        const char* name;
        int left;
        const char* tip;
    } expected[] = {
        {"Command1", 0, "新規作成"},
        {"Command11", 24, "作業ファイルを開く"},
        {"Command10", 48, "作業中のデータを保存"},
        {"Command2", 80, "スクリーンセーバーの作成"},
        {"Command3", 112, "イメージのコピー"},
        {"Command4", 144, "プレビュー"},
        {"Command5", 176, "イメージを左へ移動"},
        {"Command6", 200, "イメージを右へ移動"},
        {"Command7", 232, "イメージの追加"},
        {"Command8", 256, "イメージの削除"},
    };
    for (const auto& spec : expected) {
        const QToolButton* tool = button(spec.name);
        ASSERT_NE(tool, nullptr) << spec.name;
        EXPECT_EQ(tool->geometry(), QRect(spec.left, 0, 25, 25)) << spec.name;
        EXPECT_EQ(tool->toolTip(), QString::fromUtf8(spec.tip)) << spec.name;
        EXPECT_TRUE(tool->text() == "←" || tool->text() == "→" || !tool->icon().isNull())
            << spec.name;
    }
    EXPECT_EQ(button("Command5")->text(), QStringLiteral("←"));
    EXPECT_EQ(button("Command6")->text(), QStringLiteral("→"));
}

TEST_F(MainMenusTest, OpeningTheFileMenuSetsSaveAndCreateFromTheSlideCount)
{
    QMenu* file = form->findChild<QMenu*>("menufile");
    EXPECT_TRUE(action("menuSave")->isEnabled());
    EXPECT_TRUE(action("menuSaveData")->isEnabled());

    Q_EMIT file->aboutToShow();
    EXPECT_FALSE(action("menuSave")->isEnabled());
    EXPECT_FALSE(action("menuSaveData")->isEnabled());
    EXPECT_TRUE(action("menusinki")->isEnabled());

    addSlides(1);
    // Only opening the menu changes the state.
    EXPECT_FALSE(action("menuSave")->isEnabled());
    Q_EMIT file->aboutToShow();
    EXPECT_TRUE(action("menuSave")->isEnabled());
    EXPECT_TRUE(action("menuSaveData")->isEnabled());
}

TEST_F(MainMenusTest, CtrlSFollowsTheStateTheCreateItemLastReceived)
{
    int runs = 0;
    QObject::connect(action("menuSave"), &QAction::triggered, [&runs] { ++runs; });
    form->activateWindow();
    QApplication::setActiveWindow(form.get());

    QString shownTitle;
    whenShown<QDialog>([&shownTitle](QDialog& dialog) {
        shownTitle = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(runs, 1) << "before the File menu is first opened Ctrl+S works with no slides";
    EXPECT_EQ(shownTitle, QStringLiteral("スクリーンセーバーの作成"));

    Q_EMIT form->findChild<QMenu*>("menufile")->aboutToShow();
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(runs, 1) << "disabled by the menu rule, the shortcut does nothing";
}

TEST_F(MainMenusTest, TheToolbarCreateAndPreviewButtonsDoNothingWithoutSlides)
{
    button("Command2")->click();
    button("Command4")->click();
    action("menupreview")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(document().record().CanvasWidth, 0);

    addSlides(1);
    QString shownTitle;
    whenShown<QDialog>([&shownTitle](QDialog& dialog) {
        shownTitle = dialog.windowTitle();
        dialog.reject();
    });
    button("Command2")->click();
    EXPECT_EQ(shownTitle, QStringLiteral("スクリーンセーバーの作成"));
    EXPECT_EQ(document().record().CanvasWidth, 250) << "the build copies the canvas size first";
}

TEST_F(MainMenusTest, TheBgmBrowseButtonPutsTheAnswerInTheBoxAndCancelClearsIt)
{
    QPushButton* browse = bgmButton();
    EXPECT_EQ(browse->text(), QStringLiteral("参照"));
    questions.answerNext("/music/tune.mid");
    browse->click();
    EXPECT_EQ(bgmBox()->text(), "/music/tune.mid");
    browse->click();
    EXPECT_EQ(bgmBox()->text(), QString());
    EXPECT_EQ(questions.asked, QStringList({"AskBgmFile", "AskBgmFile"}));
}

TEST_F(MainMenusTest, ShortcutsRunTheirCommands)
{
    QApplication::setActiveWindow(form.get());
    const QString picture = media.solidImage("one.bmp", {8, 8}, Qt::red);
    questions.answerNext(picture);
    QTest::keyClick(form.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(document().paths(), QStringList{picture});
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(document().count(), 2);
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(document().count(), 1);
}

TEST_F(MainMenusTest, ShortcutsReachTheirItemsEvenFromATextBox)
{
    QApplication::setActiveWindow(form.get());
    document().setCanvasSize(QSize(12, 10));
    const QString picture = media.solidImage("one.bmp", {8, 8}, Qt::red);
    QLineEdit* box = panel()->Text3;
    box->setFocus();
    box->setText("typed");
    questions.answerNext(picture);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(document().paths(), QStringList{picture}) << "Ctrl+A adds, not selects the text";
    QTest::keyClick(bgmBox(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(document().count(), 2);

    QApplication::clipboard()->clear();
    QTest::keyClick(panel()->Text1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(12, 10))
        << "Ctrl+C copies the canvas, not the box's text";
    QTest::keyClick(panel()->Text2[0], Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(document().count(), 1);
    QTest::keyClick(bgmBox(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(document().count(), 0);

    // Keys without a menu item stay with the box.
    bgmBox()->setText("abc");
    bgmBox()->selectAll();
    QTest::keyClick(bgmBox(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(bgmBox()->text(), QString());
}

}  // namespace
