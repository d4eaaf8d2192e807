#pragma once

#include "document/ShowDocument.h"

#include <QDialog>
#include <QSize>

#include <optional>

class Prompter;
class QLineEdit;
class QPushButton;

// The canvas size dialog `sizeform` "サイズ変更": asks for the canvas's inner width and height.
// It knows nothing of the main window: it is given the canvas's inner size and its border
// allowance (outer width minus inner width) and answers the outer size the canvas must take.
class SizeForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 4;  // four digits: at most 9999
    static constexpr int kLargest = ShowDocument::kMaxCanvasSide;

    SizeForm(Prompter& prompter, QSize innerSize, int borderAllowance, QWidget* parent = nullptr);

    // Shows the dialog modally. On "OK" with valid entries: the canvas's new outer size, that is
    // each entry plus the border allowance; nothing when cancelled. The caller then moves the
    // canvas to (5, 5) in its view, gives it that outer size and lays the window out again.
    static std::optional<QSize> run(QWidget* owner, Prompter& prompter, QSize innerSize,
                                    int borderAllowance);

    // The accepted outer size, once "OK" has passed every check.
    std::optional<QSize> outerSize() const { return outerSize_; }

    QLineEdit* Text1[2] = {nullptr, nullptr};       // width, height
    QPushButton* Command1[2] = {nullptr, nullptr};  // "OK", "キャンセル"

private:
    void Form_Load(QSize innerSize);
    void Command1_Click(int index);
    // Tells the user what is wrong with box n and puts the focus there.
    void refuse(int index, const QString& message);

    Prompter& prompter_;
    const int borderAllowance_;
    std::optional<QSize> outerSize_;
};
