#include "EditorFixture.h"
#include "editor/CommandTable.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <map>
#include <string>

namespace {

using Entry = CommandTable::Entry;
using Kind = Entry::Kind;
using C = MainCommands;

// Which handler each item and button runs: toolbar buttons run their menu item's, except the
// create and preview buttons, which have rules of their own.
const std::map<std::string, Entry::Handler> kHandlers = {
    {"menusinki", &C::menusinki_Click},
    {"menuOpen", &C::menuOpen_Click},
    {"menuSaveData", &C::menuSaveData_Click},
    {"menuSave", &C::menuSave_Click},
    {"menuend", &C::menuend_Click},
    {"menucopy", &C::menucopy_Click},
    {"menupreview", &C::menupreview_Click},
    {"menusize", &C::menusize_Click},
    {"menucolor", &C::menucolor_Click},
    {"menuup", &C::menuup_Click},
    {"menudown", &C::menudown_Click},
    {"menuadd", &C::menuadd_Click},
    {"menuClone", &C::menuClone_Click},
    {"menudelete", &C::menudelete_Click},
    {"menualldelete", &C::menualldelete_Click},
    {"menucenter", &C::menucenter_Click},
    {"manuallcenter", &C::manuallcenter_Click},
    {"menuAllichisitei", &C::menuAllichisitei_Click},
    {"menuAllTime", &C::menuAllTime_Click},
    {"menuAlleffect", &C::menuAlleffect_Click},
    {"menuRandamEffect", &C::menuRandamEffect_Click},
    {"menuAllSound", &C::menuAllSound_Click},
    {"menuAllNokosu", &C::menuAllNokosu_Click},
    {"menuAllTransparent", &C::menuAllTransparent_Click},
    {"menuhow", &C::menuhow_Click},
    {"menuabout", &C::menuabout_Click},
    {"Command1", &C::menusinki_Click},
    {"Command11", &C::menuOpen_Click},
    {"Command10", &C::menuSaveData_Click},
    {"Command2", &C::Command2_Click},
    {"Command3", &C::menucopy_Click},
    {"Command4", &C::Command4_Click},
    {"Command5", &C::menuup_Click},
    {"Command6", &C::menudown_Click},
    {"Command7", &C::menuadd_Click},
    {"Command8", &C::menudelete_Click},
};

class CommandTableTest : public EditorFixture {};

TEST_F(CommandTableTest, EveryEntryRunsItsOwnHandlerAndNamesNothingTwice)
{
    QSet<QString> names;
    int handled = 0;
    for (const Entry& entry : CommandTable::entries()) {
        if (entry.kind == Kind::Rule) {
            EXPECT_EQ(entry.name, nullptr);
            continue;
        }
        const QString name = QString::fromLatin1(entry.name);
        EXPECT_FALSE(names.contains(name)) << entry.name;
        names.insert(name);
        if (entry.kind == Kind::Menu) {
            EXPECT_EQ(entry.handler, nullptr) << entry.name;
            continue;
        }
        const auto expected = kHandlers.find(entry.name);
        ASSERT_NE(expected, kHandlers.end()) << entry.name;
        EXPECT_TRUE(entry.handler == expected->second) << entry.name;
        ++handled;
    }
    EXPECT_EQ(handled, static_cast<int>(kHandlers.size()));
}

TEST_F(CommandTableTest, TheWindowHasExactlyTheMenusItemsAndButtonsOfTheTable)
{
    // The menu bar read back, in order, as the table lists it.
    QList<QString> built;
    for (const QAction* top : form->menuBar()->actions()) {
        built.append(top->menu()->objectName() + u'|' + top->text());
        for (const QAction* item : top->menu()->actions()) {
            built.append(item->isSeparator() ? QStringLiteral("-")
                                             : item->objectName() + u'|' + item->text() + u'|' +
                                                   item->shortcut().toString());
        }
    }
    QList<QString> listed;
    int buttons = 0;
    for (const Entry& entry : CommandTable::entries()) {
        const QString text = QString::fromUtf8(entry.text);
        switch (entry.kind) {
            case Kind::Menu:
                listed.append(QString::fromLatin1(entry.name) + u'|' + text);
                break;
            case Kind::Rule:
                listed.append(QStringLiteral("-"));
                break;
            case Kind::Item:
                listed.append(QString::fromLatin1(entry.name) + u'|' + text + u'|' +
                              QString::fromLatin1(entry.shortcut ? entry.shortcut : ""));
                break;
            case Kind::Button: {
                const QToolButton* tool = button(entry.name);
                ASSERT_NE(tool, nullptr) << entry.name;
                EXPECT_EQ(tool->geometry(), QRect(entry.left, 0, 25, 25)) << entry.name;
                EXPECT_EQ(tool->toolTip(), text) << entry.name;
                EXPECT_EQ(tool->icon().isNull(), !entry.picture.has_value()) << entry.name;
                EXPECT_EQ(tool->text(),
                          entry.picture ? QString() : QString::fromUtf8(entry.caption));
                ++buttons;
                break;
            }
        }
    }
    EXPECT_EQ(built, listed);
    EXPECT_EQ(buttons, 10);
    EXPECT_EQ(form->centralWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly).size(),
              buttons);
    EXPECT_EQ(CommandTable::toolbarWidth(), 256 + 25);
}

TEST_F(CommandTableTest, OnlyTheItemsWithAMenuRuleChangeWhenTheirMenuOpens)
{
    for (const QAction* top : form->menuBar()->actions()) {
        Q_EMIT top->menu()->aboutToShow();
    }
    QStringList disabled;
    for (const QAction* item : form->actions()) {
        if (!item->isEnabled()) {
            disabled.append(item->objectName());
        }
    }
    disabled.sort();
    EXPECT_EQ(disabled, QStringList({"menuSave", "menuSaveData"}));
    for (const Entry& entry : CommandTable::entries()) {
        if (entry.kind == Kind::Item) {
            EXPECT_EQ(entry.enabledWhenMenuOpens != nullptr,
                      disabled.contains(QString::fromLatin1(entry.name)))
                << entry.name;
        }
    }
}

TEST_F(CommandTableTest, ItemsAndButtonsRunTheirHandlersOnTheWindowsCommands)
{
    const QStringList paths = addSlides(3);
    action("menuup")->trigger();
    EXPECT_EQ(document().currentIndex(), 1);
    button("Command6")->click();
    EXPECT_EQ(document().currentIndex(), 2);
    button("Command5")->click();
    button("Command5")->click();
    EXPECT_EQ(document().paths(), QStringList({paths[2], paths[0], paths[1]}));
    button("Command8")->click();
    EXPECT_EQ(document().count(), 2);
    button("Command1")->click();
    EXPECT_EQ(document().count(), 0);
}

}  // namespace
