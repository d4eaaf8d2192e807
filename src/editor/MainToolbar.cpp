#include "editor/MainToolbar.h"

#include "editor/ToolbarIcons.h"

#include <QToolButton>

#include <optional>

namespace {

struct Button {
    const char* name;
    int left;
    std::optional<ToolbarIcons::Picture> picture;
    const char* caption;  // for the buttons without a picture
    const char* toolTip;
};

using Picture = ToolbarIcons::Picture;

const Button kButtons[] = {
    {"Command1", 0, Picture::New, nullptr, "新規作成"},
    {"Command11", 24, Picture::Open, nullptr, "作業ファイルを開く"},
    {"Command10", 48, Picture::Save, nullptr, "作業中のデータを保存"},
    {"Command2", 80, Picture::Create, nullptr, "スクリーンセーバーの作成"},
    {"Command3", 112, Picture::Copy, nullptr, "イメージのコピー"},
    {"Command4", 144, Picture::Preview, nullptr, "プレビュー"},
    {"Command5", 176, std::nullopt, "←", "イメージを左へ移動"},
    {"Command6", 200, std::nullopt, "→", "イメージを右へ移動"},
    {"Command7", 232, Picture::Add, nullptr, "イメージの追加"},
    {"Command8", 256, Picture::Delete, nullptr, "イメージの削除"},
};

}  // namespace

void MainToolbar::build(QWidget& parent)
{
    for (const Button& spec : kButtons) {
        auto* button = new QToolButton(&parent);
        button->setObjectName(QString::fromUtf8(spec.name));
        button->setGeometry(spec.left, 0, kButtonSize, kButtonSize);
        button->setToolTip(QString::fromUtf8(spec.toolTip));
        button->setFocusPolicy(Qt::NoFocus);
        if (spec.picture) {
            button->setIcon(ToolbarIcons::icon(*spec.picture));
        } else {
            button->setText(QString::fromUtf8(spec.caption));
        }
    }
}
