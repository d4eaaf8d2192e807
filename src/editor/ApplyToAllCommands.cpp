#include "editor/ApplyToAllCommands.h"

#include "dialogs/NumericText.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"
#include "effects/RoundHalfEven.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cmath>

namespace {

// The whole number in a panel box; the box's change handler keeps it numeric.
qint32 roundedValue(const QLineEdit* box)
{
    return roundHalfEven(NumericText::value(box->text()).value_or(0.0));
}

qint16 checkValue(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

}  // namespace

ApplyToAllCommands::ApplyToAllCommands(MainForm& form) : form_(form)
{
    connectMenus();
}

void ApplyToAllCommands::connectMenus()
{
    const std::pair<const char*, void (ApplyToAllCommands::*)()> commands[] = {
        {"menuAllichisitei", &ApplyToAllCommands::menuAllichisitei_Click},
        {"menuAllTime", &ApplyToAllCommands::menuAllTime_Click},
        {"menuAlleffect", &ApplyToAllCommands::menuAlleffect_Click},
        {"menuRandamEffect", &ApplyToAllCommands::menuRandamEffect_Click},
        {"menuAllSound", &ApplyToAllCommands::menuAllSound_Click},
        {"menuAllNokosu", &ApplyToAllCommands::menuAllNokosu_Click},
        {"menuAllTransparent", &ApplyToAllCommands::menuAllTransparent_Click},
    };
    for (const auto& [name, handler] : commands) {
        if (auto* action = form_.findChild<QAction*>(QString::fromLatin1(name))) {
            QObject::connect(action, &QAction::triggered, &form_,
                             [this, handler] { (this->*handler)(); });
        }
    }
}

void ApplyToAllCommands::applyToAll(const std::function<void(SlideItem&)>& write)
{
    EditorDocument& document = form_.document();
    if (document.count() == 0) {
        return;
    }
    for (SlideItem& slide : document.record.Slides) {
        write(slide);
    }
    form_.List1_Click();
}

void ApplyToAllCommands::menuAllichisitei_Click()
{
    const qint32 x = roundedValue(form_.panel->Text2[0]);
    const qint32 y = roundedValue(form_.panel->Text2[1]);
    applyToAll([x, y](SlideItem& slide) {
        slide.PosX = x;
        slide.PosY = y;
    });
}

void ApplyToAllCommands::menuAllTime_Click()
{
    const qint32 time = roundedValue(form_.panel->Text1);
    applyToAll([time](SlideItem& slide) { slide.DisplayTime = time; });
}

void ApplyToAllCommands::menuAlleffect_Click()
{
    const qint32 effect = form_.panel->Combo1->currentIndex();
    applyToAll([effect](SlideItem& slide) { slide.EffectNumber = effect; });
}

void ApplyToAllCommands::menuRandamEffect_Click()
{
    // Every entry of the effect list, "なし" included, is equally likely. The product is
    // formed in double so that the largest draw still stays below the entry count.
    const double entries = form_.panel->Combo1->count();
    RandomGenerator& random = form_.state().Random;
    applyToAll([entries, &random](SlideItem& slide) {
        slide.EffectNumber = static_cast<qint32>(std::floor(double(random.next()) * entries));
    });
}

void ApplyToAllCommands::menuAllSound_Click()
{
    const QString sound = form_.panel->Text3->text();
    applyToAll([&sound](SlideItem& slide) { slide.SoundPath = sound; });
}

void ApplyToAllCommands::menuAllNokosu_Click()
{
    const qint16 keep = checkValue(form_.panel->Check2);
    applyToAll([keep](SlideItem& slide) { slide.KeepPrevious = keep; });
}

void ApplyToAllCommands::menuAllTransparent_Click()
{
    const qint16 transparent = checkValue(form_.panel->Check1);
    applyToAll([transparent](SlideItem& slide) { slide.Transparent = transparent; });
}
