#include "editor/MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace {

// One menu entry; an entry without a name is a separator.
struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
};

constexpr Item kRule{nullptr, nullptr, nullptr};

QMenu* addMenu(QMainWindow& window, const char* name, const char* caption,
               std::initializer_list<Item> items)
{
    QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    for (const Item& item : items) {
        if (item.name == nullptr) {
            menu->addSeparator();
            continue;
        }
        // The window owns the action so that its shortcut works anywhere in the window.
        auto* action = new QAction(QString::fromUtf8(item.caption), &window);
        action->setObjectName(QString::fromUtf8(item.name));
        if (item.shortcut != nullptr) {
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        }
        window.addAction(action);
        menu->addAction(action);
    }
    return menu;
}

}  // namespace

QMenu* MainMenus::build(QMainWindow& window)
{
    QMenu* file = addMenu(window, "menufile", "ファイル(&F)",
                          {{"menusinki", "新規作成(&N)", "Ctrl+N"},
                           kRule,
                           {"menuOpen", "作業ファイルを開く(&O)...", nullptr},
                           {"menuSaveData", "作業中のデータを保存(&A)...", nullptr},
                           kRule,
                           {"menuSave", "スクリーンセーバーの作成(&S)...", "Ctrl+S"},
                           kRule,
                           {"menuend", "クレモアの終了(&E)", nullptr}});
    addMenu(window, "menuedit", "編集(&E)", {{"menucopy", "コピー(&C)", "Ctrl+C"}});
    addMenu(window, "menuvisble", "表示(&V)", {{"menupreview", "プレビュー(&P)", "Ctrl+P"}});
    addMenu(
        window, "menuimage", "イメージ(&I)",
        {{"menusize", "サイズ変更(&R)...", nullptr},
         {"menucolor", "背景色変更(&C)...", nullptr},
         kRule,
         {"menuup", "上へ移動(&U)", nullptr},
         {"menudown", "下へ移動(&V)", nullptr},
         kRule,
         {"menuadd", "追加(&A)...", "Ctrl+A"},
         {"menuClone", "複製(&F)", "Ctrl+F"},
         {"menudelete", "削除(&D)", "Ctrl+D"},
         {"menualldelete", "すべて削除(&K)", nullptr},
         kRule,
         {"menucenter", "中央に表示(&C)", "Ctrl+R"},
         {"manuallcenter", "すべて中央に表示(&S)", nullptr},
         {"menuAllichisitei", "現在の表示位置をすべてに適用(&N)", nullptr},
         {"menuAllTime", "現在の表示時間をすべてに適用(&J)", nullptr},
         {"menuAlleffect", "現在の切り替え効果をすべてに適用(&E)", nullptr},
         {"menuRandamEffect", "すべてに切り替え効果をランダムに設定(&B)", nullptr},
         {"menuAllSound", "現在の効果音をすべてに適用(&K)", nullptr},
         {"menuAllNokosu", "現在の前のイメージを残す設定をすべてに適用(&Z)", nullptr},
         {"menuAllTransparent", "現在の背景色と同じ色を透過の設定をすべてに適用(&T)", nullptr}});
    addMenu(window, "menuhelp", "ヘルプ(&H)",
            {{"menuhow", "トピックの検索(&H)...", nullptr},
             kRule,
             {"menuabout", "バージョン情報(&A)...", nullptr}});
    return file;
}
