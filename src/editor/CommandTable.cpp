#include "editor/CommandTable.h"

#include "editor/EditorDocument.h"
#include "editor/MainCommands.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolButton>

#include <algorithm>

namespace {

using Entry = CommandTable::Entry;
using Kind = Entry::Kind;
using Picture = ToolbarIcons::Picture;
using C = MainCommands;

Entry menu(const char* name, const char* caption)
{
    Entry entry;
    entry.kind = Kind::Menu;
    entry.name = name;
    entry.text = caption;
    return entry;
}

Entry item(const char* name, const char* caption, Entry::Handler handler,
           const char* shortcut = nullptr, Entry::MenuRule rule = nullptr)
{
    Entry entry;
    entry.kind = Kind::Item;
    entry.name = name;
    entry.text = caption;
    entry.shortcut = shortcut;
    entry.handler = handler;
    entry.enabledWhenMenuOpens = rule;
    return entry;
}

Entry rule()
{
    return Entry{};
}

Entry button(const char* name, int left, std::optional<Picture> picture, const char* caption,
             const char* toolTip, Entry::Handler handler)
{
    Entry entry;
    entry.kind = Kind::Button;
    entry.name = name;
    entry.text = toolTip;
    entry.handler = handler;
    entry.left = left;
    entry.picture = picture;
    entry.caption = caption;
    return entry;
}

Entry button(const char* name, int left, Picture picture, const char* toolTip,
             Entry::Handler handler)
{
    return button(name, left, picture, nullptr, toolTip, handler);
}

Entry arrowButton(const char* name, int left, const char* caption, const char* toolTip,
                  Entry::Handler handler)
{
    return button(name, left, std::nullopt, caption, toolTip, handler);
}

bool hasSlides(const EditorDocument& document)
{
    return document.count() > 0;
}

#ifndef QT_NO_DEBUG
void check(const QList<Entry>& entries)
{
    QSet<QString> names;
    for (const Entry& entry : entries) {
        if (entry.kind == Kind::Rule) {
            continue;
        }
        const QString name = QString::fromLatin1(entry.name);
        Q_ASSERT_X(!name.isEmpty() && !names.contains(name), "CommandTable",
                   "every menu, item and button needs a name of its own");
        Q_ASSERT_X(entry.kind == Kind::Menu || entry.handler != nullptr, "CommandTable",
                   "every item and button needs a handler");
        names.insert(name);
    }
}
#endif

}  // namespace

const QList<Entry>& CommandTable::entries()
{
    static const QList<Entry> table = {
        menu("menufile", "ファイル(&F)"),
        item("menusinki", "新規作成(&N)", &C::menusinki_Click, "Ctrl+N"),
        rule(),
        item("menuOpen", "作業ファイルを開く(&O)...", &C::menuOpen_Click),
        item("menuSaveData", "作業中のデータを保存(&A)...", &C::menuSaveData_Click, nullptr,
             hasSlides),
        rule(),
        item("menuSave", "スクリーンセーバーの作成(&S)...", &C::menuSave_Click, "Ctrl+S",
             hasSlides),
        rule(),
        item("menuend", "クレモアの終了(&E)", &C::menuend_Click),
        menu("menuedit", "編集(&E)"),
        item("menucopy", "コピー(&C)", &C::menucopy_Click, "Ctrl+C"),
        menu("menuvisble", "表示(&V)"),
        item("menupreview", "プレビュー(&P)", &C::menupreview_Click, "Ctrl+P"),
        menu("menuimage", "イメージ(&I)"),
        item("menusize", "サイズ変更(&R)...", &C::menusize_Click),
        item("menucolor", "背景色変更(&C)...", &C::menucolor_Click),
        rule(),
        item("menuup", "上へ移動(&U)", &C::menuup_Click),
        item("menudown", "下へ移動(&V)", &C::menudown_Click),
        rule(),
        item("menuadd", "追加(&A)...", &C::menuadd_Click, "Ctrl+A"),
        item("menuClone", "複製(&F)", &C::menuClone_Click, "Ctrl+F"),
        item("menudelete", "削除(&D)", &C::menudelete_Click, "Ctrl+D"),
        item("menualldelete", "すべて削除(&K)", &C::menualldelete_Click),
        rule(),
        item("menucenter", "中央に表示(&C)", &C::menucenter_Click, "Ctrl+R"),
        item("manuallcenter", "すべて中央に表示(&S)", &C::manuallcenter_Click),
        item("menuAllichisitei", "現在の表示位置をすべてに適用(&N)", &C::menuAllichisitei_Click),
        item("menuAllTime", "現在の表示時間をすべてに適用(&J)", &C::menuAllTime_Click),
        item("menuAlleffect", "現在の切り替え効果をすべてに適用(&E)", &C::menuAlleffect_Click),
        item("menuRandamEffect", "すべてに切り替え効果をランダムに設定(&B)",
             &C::menuRandamEffect_Click),
        item("menuAllSound", "現在の効果音をすべてに適用(&K)", &C::menuAllSound_Click),
        item("menuAllNokosu", "現在の前のイメージを残す設定をすべてに適用(&Z)",
             &C::menuAllNokosu_Click),
        item("menuAllTransparent", "現在の背景色と同じ色を透過の設定をすべてに適用(&T)",
             &C::menuAllTransparent_Click),
        menu("menuhelp", "ヘルプ(&H)"),
        item("menuhow", "トピックの検索(&H)...", &C::menuhow_Click),
        rule(),
        item("menuabout", "バージョン情報(&A)...", &C::menuabout_Click),
        button("Command1", 0, Picture::New, "新規作成", &C::menusinki_Click),
        button("Command11", 24, Picture::Open, "作業ファイルを開く", &C::menuOpen_Click),
        button("Command10", 48, Picture::Save, "作業中のデータを保存", &C::menuSaveData_Click),
        button("Command2", 80, Picture::Create, "スクリーンセーバーの作成", &C::Command2_Click),
        button("Command3", 112, Picture::Copy, "イメージのコピー", &C::menucopy_Click),
        button("Command4", 144, Picture::Preview, "プレビュー", &C::Command4_Click),
        arrowButton("Command5", 176, "←", "イメージを左へ移動", &C::menuup_Click),
        arrowButton("Command6", 200, "→", "イメージを右へ移動", &C::menudown_Click),
        button("Command7", 232, Picture::Add, "イメージの追加", &C::menuadd_Click),
        button("Command8", 256, Picture::Delete, "イメージの削除", &C::menudelete_Click),
    };
    return table;
}

int CommandTable::toolbarWidth()
{
    int width = 0;
    for (const Entry& entry : entries()) {
        if (entry.kind == Kind::Button) {
            width = std::max(width, entry.left + kButtonSize);
        }
    }
    return width;
}

void CommandTable::build(QMainWindow& window, QWidget& toolbar, MainCommands& commands)
{
#ifndef QT_NO_DEBUG
    check(entries());
#endif
    QMenu* current = nullptr;
    for (const Entry& entry : entries()) {
        const QString text = QString::fromUtf8(entry.text);
        switch (entry.kind) {
            case Kind::Menu:
                current = window.menuBar()->addMenu(text);
                current->setObjectName(QString::fromLatin1(entry.name));
                break;
            case Kind::Rule:
                current->addSeparator();
                break;
            case Kind::Item: {
                // The window owns the action so that its shortcut works anywhere in the window.
                auto* action = new QAction(text, &window);
                action->setObjectName(QString::fromLatin1(entry.name));
                if (entry.shortcut != nullptr) {
                    action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
                }
                QObject::connect(action, &QAction::triggered, &window,
                                 [&commands, handler = entry.handler] { (commands.*handler)(); });
                if (entry.enabledWhenMenuOpens != nullptr) {
                    QObject::connect(current, &QMenu::aboutToShow, action,
                                     [action, &commands, rule = entry.enabledWhenMenuOpens] {
                                         action->setEnabled(rule(commands.document()));
                                     });
                }
                window.addAction(action);
                current->addAction(action);
                break;
            }
            case Kind::Button: {
                auto* tool = new QToolButton(&toolbar);
                tool->setObjectName(QString::fromLatin1(entry.name));
                tool->setGeometry(entry.left, 0, kButtonSize, kButtonSize);
                tool->setToolTip(text);
                tool->setFocusPolicy(Qt::NoFocus);
                if (entry.picture) {
                    tool->setIcon(ToolbarIcons::icon(*entry.picture));
                } else {
                    tool->setText(QString::fromUtf8(entry.caption));
                }
                QObject::connect(tool, &QToolButton::clicked, &window,
                                 [&commands, handler = entry.handler] { (commands.*handler)(); });
                break;
            }
        }
    }
}
