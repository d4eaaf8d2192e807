#include "dialogs/SizeForm.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The application lives until the process ends: destroying it at exit races Qt's own clean-up.
void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "SizeFormTest";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

const QString kNotANumber = QStringLiteral("数字を入力して下さい。");
const QString kNotAboveZero = QStringLiteral("0より大きい値を入力して下さい。");
constexpr int kBorderAllowance = 4;

class SizeFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void enter(const QString& width, const QString& height)
    {
        form.Text1[0]->setText(width);
        form.Text1[1]->setText(height);
    }

    // The one message shown since the last call, checked for title and icon.
    QString onlyMessage()
    {
        EXPECT_EQ(prompter.asked.size(), 1);
        if (prompter.asked.isEmpty()) {
            return QString();
        }
        const ScriptedPrompter::Question question = prompter.asked.takeFirst();
        prompter.asked.clear();
        EXPECT_EQ(question.title, QStringLiteral("サイズ変更"));
        EXPECT_EQ(question.icon, Prompter::Icon::Warning);
        EXPECT_EQ(question.buttons, Prompter::Buttons::Ok);
        return question.text;
    }

    ScriptedPrompter prompter;
    SizeForm form{prompter, QSize(250, 180), kBorderAllowance};
};

TEST_F(SizeFormTest, OpensWithTheCanvasInnerSize)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("サイズ変更"));
    EXPECT_EQ(form.Text1[0]->text(), QStringLiteral("250"));
    EXPECT_EQ(form.Text1[1]->text(), QStringLiteral("180"));
    EXPECT_EQ(form.Text1[0]->maxLength(), 4);
    EXPECT_EQ(form.Text1[1]->maxLength(), 4);
    EXPECT_EQ(form.Command1[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.Command1[1]->text(), QStringLiteral("キャンセル"));
    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        labels.append(label->text());
    }
    EXPECT_TRUE(labels.contains(QStringLiteral("幅")));
    EXPECT_TRUE(labels.contains(QStringLiteral("高さ")));
}

TEST_F(SizeFormTest, ACanvasBeyondFourDigitsIsShownWholeAndNeverCutToAnotherSize)
{
    SizeForm wide(prompter, QSize(12345, 480), kBorderAllowance);
    EXPECT_EQ(wide.Text1[0]->text(), QStringLiteral("12345"));
    EXPECT_EQ(wide.Text1[1]->text(), QStringLiteral("480"));
    wide.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), QStringLiteral("9999以下の値を入力して下さい。"));
    EXPECT_FALSE(wide.outerSize().has_value());
}

TEST_F(SizeFormTest, OkWithValidEntriesAnswersTheOuterSizeAndCloses)
{
    form.show();
    enter(QStringLiteral("640"), QStringLiteral("480"));
    form.Command1[0]->click();
    EXPECT_TRUE(prompter.asked.isEmpty());
    ASSERT_TRUE(form.outerSize().has_value());
    EXPECT_EQ(*form.outerSize(), QSize(640 + kBorderAllowance, 480 + kBorderAllowance));
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SizeFormTest, FullWidthDigitsAreNumbers)
{
    enter(QStringLiteral("６４０"), QStringLiteral("４８０"));
    form.Command1[0]->click();
    EXPECT_TRUE(prompter.asked.isEmpty());
    ASSERT_TRUE(form.outerSize().has_value());
    EXPECT_EQ(*form.outerSize(), QSize(640 + kBorderAllowance, 480 + kBorderAllowance));
}

TEST_F(SizeFormTest, ChecksRunInOrderAndFocusTheOffendingBox)
{
    form.show();
    enter(QStringLiteral("a"), QStringLiteral("b"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), kNotANumber);
    EXPECT_EQ(form.focusWidget(), form.Text1[0]);

    enter(QStringLiteral("0"), QStringLiteral("b"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), kNotANumber);
    EXPECT_EQ(form.focusWidget(), form.Text1[1]);

    enter(QStringLiteral("0"), QStringLiteral("-3"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), kNotAboveZero);
    EXPECT_EQ(form.focusWidget(), form.Text1[0]);

    enter(QStringLiteral("10"), QStringLiteral("-3"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), kNotAboveZero);
    EXPECT_EQ(form.focusWidget(), form.Text1[1]);

    EXPECT_FALSE(form.outerSize().has_value());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SizeFormTest, FractionsRoundHalfToEvenAndTinyOrHugeEntriesAreRefused)
{
    enter(QStringLiteral("0.4"), QStringLiteral("9"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), kNotAboveZero);

    enter(QStringLiteral("9e99"), QStringLiteral("9"));
    form.Command1[0]->click();
    EXPECT_EQ(onlyMessage(), QStringLiteral("9999以下の値を入力して下さい。"));
    EXPECT_FALSE(form.outerSize().has_value());

    enter(QStringLiteral("2.5"), QStringLiteral("3.5"));
    form.Command1[0]->click();
    EXPECT_TRUE(prompter.asked.isEmpty());
    ASSERT_TRUE(form.outerSize().has_value());
    EXPECT_EQ(*form.outerSize(), QSize(2 + kBorderAllowance, 4 + kBorderAllowance));
}

TEST_F(SizeFormTest, CancelAfterInvalidEntriesChangesNothing)
{
    form.show();
    enter(QStringLiteral("x"), QStringLiteral("480"));
    form.Command1[0]->click();
    prompter.asked.clear();
    form.Command1[1]->click();
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_FALSE(form.outerSize().has_value());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
