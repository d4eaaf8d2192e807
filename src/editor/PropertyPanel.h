#pragma once

#include "editor/SpinScrollBar.h"

#include <QGroupBox>

struct EditorDocument;
class FileQuestions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
struct SlideItem;

// The property panel "プロパティ" (`Frame1`): edits the selected slide's settings. Every edit
// is written straight into the selected slide; with no slide selected the handlers still
// validate and mirror the controls but store nothing.
class PropertyPanel : public QGroupBox {
    Q_OBJECT
public:
    // Limits of the numeric boxes.
    static constexpr int kTimeMin = 1;
    static constexpr int kTimeMax = 10000;
    static constexpr int kPositionMin = -1000;
    static constexpr int kPositionMax = 1000;

    PropertyPanel(EditorDocument& document, FileQuestions& questions, QWidget* parent = nullptr);

    // Shows a slide's settings; the change handlers store back the same values.
    void fillFromSlide(const SlideItem& slide);
    // The display-time box and both position boxes to "0" (New, Delete all).
    void resetNumbers();

    // The controls, named as the program's handlers know them. The spins' top end is their
    // largest number (read and set them through number()/setNumber()).
    QLineEdit* Text1 = nullptr;  // display time
    SpinScrollBar* VScroll2 = nullptr;
    QLineEdit* Text2[2] = {nullptr, nullptr};  // position X, Y
    SpinScrollBar* VScroll3[2] = {nullptr, nullptr};
    QComboBox* Combo1 = nullptr;  // effect
    QComboBox* Combo2 = nullptr;  // speed
    QLineEdit* Text3 = nullptr;   // sound-effect path
    QPushButton* Command12 = nullptr;
    QCheckBox* Check2 = nullptr;  // keep the previous image
    QCheckBox* Check1 = nullptr;  // background colour transparent

private:
    void buildControls();
    void connectHandlers();

    void Text1_Change();
    void VScroll2_Change();
    void Text2_Change(int index);
    void VScroll3_Change(int index);
    void Combo1_Click();
    void Combo2_Click();
    void Text3_Change();
    void Command12_Click();
    void Check2_Click();
    void Check1_Click();

    EditorDocument& document_;
    FileQuestions& questions_;
};
