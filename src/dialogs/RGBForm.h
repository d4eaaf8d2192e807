#pragma once

#include <QDialog>
#include <QtGlobal>

#include <array>
#include <optional>

class GradientBar;
class QFrame;
class QLabel;
class QPushButton;

// The colour picker `RGBForm` "色の設定": three gradient bars for red, green and blue, each with
// a marker line and its value, and a swatch of the resulting colour. The value labels are the
// dialog's state: every redraw reads the three values back from them.
class RGBForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kChannels = 3;
    static constexpr int kMaxValue = 255;
    static constexpr int kMarkerOffset = 10;  // bar position x lies at x + 10 in the dialog
    static constexpr qint16 kDragging = -1;
    static constexpr int kAllChannels = -1;

    // `colour` is the canvas's background colour, 0x00BBGGRR.
    explicit RGBForm(quint32 colour, QWidget* parent = nullptr);

    // Shows the dialog modally; the chosen colour on "OK", nothing when cancelled.
    static std::optional<quint32> run(QWidget* owner, quint32 colour);

    // The swatch's colour, 0x00BBGGRR.
    quint32 swatchColour() const { return swatch_; }
    // The colour accepted with "OK".
    std::optional<quint32> chosenColour() const { return chosen_; }

    // Bar n, at column x of the bar.
    void Picture1_MouseDown(int n, int x);
    void Picture1_MouseMove(int n, int x);
    void Picture1_MouseUp();

    std::array<GradientBar*, kChannels> Picture1{};
    std::array<QFrame*, kChannels> Line1{};
    std::array<QLabel*, kChannels> Label1{};
    QLabel* colorlabel = nullptr;
    std::array<QPushButton*, 2> Command1{};  // "OK", "キャンセル"
    qint16 dragging = 0;

private:
    void buildControls();
    void Form_Load(quint32 colour);
    void Command1_Click(int index);
    // Marker and label of channel n at value x, pinned to 0 to 255.
    void place(int n, int x);
    // Reads the three values from the labels and redraws every bar except `changed`'s own.
    void redraw(int changed);
    void setSwatch(quint32 colour);

    quint32 swatch_ = 0;
    std::optional<quint32> chosen_;
};
