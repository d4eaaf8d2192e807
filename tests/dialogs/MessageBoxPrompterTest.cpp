#include "dialogs/MessageBoxPrompter.h"

#include "DialogTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace {

class MessageBoxPrompterTest : public DialogTest {
protected:
    // Presses `button` on the box once it is up and records what the box showed.
    void press(QMessageBox::StandardButton button)
    {
        whenShown<QMessageBox>([this, button](QMessageBox& box) {
            shownText = box.text();
            shownTitle = box.windowTitle();
            shownIcon = box.icon();
            shownButtons = box.standardButtons();
            shownDefault = box.standardButton(box.defaultButton());
            box.button(button)->click();
        });
    }

    MessageBoxPrompter prompter;
    QString shownText;
    QString shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;
    QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
};

TEST_F(MessageBoxPrompterTest, TheOverwriteQuestionShowsWarningAndThreeButtons)
{
    press(QMessageBox::No);
    const QString text = QStringLiteral("a.kwp ファイルはすでに存在します。\r\n上書きしますか？");
    EXPECT_EQ(prompter.ask(text, "作業中のデータの保存", Prompter::Icon::Warning,
                           Prompter::Buttons::YesNoCancel),
              Prompter::Answer::No);
    EXPECT_EQ(shownText, text);
    EXPECT_EQ(shownTitle, QStringLiteral("作業中のデータの保存"));
    EXPECT_EQ(shownIcon, QMessageBox::Warning);
    EXPECT_EQ(shownButtons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(shownDefault, QMessageBox::Yes);

    press(QMessageBox::Cancel);
    EXPECT_EQ(prompter.ask(text, "t", Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel),
              Prompter::Answer::Cancel);
    press(QMessageBox::Yes);
    EXPECT_EQ(prompter.ask(text, "t", Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel),
              Prompter::Answer::Yes);
}

TEST_F(MessageBoxPrompterTest, MessagesAndQuestionsUseTheirIconsAndButtons)
{
    press(QMessageBox::Ok);
    prompter.tell("実行できません", "クレモア", Prompter::Icon::Information);
    EXPECT_EQ(shownIcon, QMessageBox::Information);
    EXPECT_EQ(shownButtons, QMessageBox::Ok);
    EXPECT_EQ(shownDefault, QMessageBox::Ok);
    EXPECT_EQ(shownTitle, QStringLiteral("クレモア"));

    press(QMessageBox::Yes);
    EXPECT_EQ(prompter.ask("上書きしますか？", "スクリーンセーバーの作成", Prompter::Icon::Question,
                           Prompter::Buttons::YesNo),
              Prompter::Answer::Yes);
    EXPECT_EQ(shownIcon, QMessageBox::Question);
    EXPECT_EQ(shownButtons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(shownDefault, QMessageBox::Yes);
}

TEST_F(MessageBoxPrompterTest, ClosingAQuestionWithEscapeGivesTheSafeAnswer)
{
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(prompter.ask("q", "t", Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel),
              Prompter::Answer::Cancel);
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(prompter.ask("q", "t", Prompter::Icon::Question, Prompter::Buttons::YesNo),
              Prompter::Answer::No);
}

}  // namespace
