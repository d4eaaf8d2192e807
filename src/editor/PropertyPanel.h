#pragma once

#include "editor/DescendingScrollBar.h"

#include <QGroupBox>

class EditorDocument;
class FileQuestions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
struct SlideItem;

// The property panel "プロパティ" (`Frame1`): shows the current slide's settings and forwards
// every edit to the document at once; with no current slide the handlers still validate and
// mirror the controls but store nothing. A box holding nothing or a sign alone is a number still
// being typed: it stores nothing until a number follows, and becomes the nearest allowed value
// ("1" or "0") if editing ends there. The controls keep their own size: a panel made shorter by
// the window scrolls them.
class PropertyPanel : public QGroupBox {
    Q_OBJECT
public:
    PropertyPanel(EditorDocument& document, FileQuestions& questions, QWidget* parent = nullptr);

    // Shows a slide's settings; the change handlers store them back, held to their limits.
    void fillFromSlide(const SlideItem& slide);
    // The display-time box and both position boxes to "0" (New, Delete all).
    void resetNumbers();
    // The controls at their own size; the panel scrolls them when it is shorter.
    QWidget* content() const { return content_; }
    QScrollArea* area() const { return area_; }

    // The controls, named as the program's handlers know them. The spins' top end is their
    // largest number (read and set them through number()/setNumber()).
    QLineEdit* Text1 = nullptr;  // display time
    DescendingScrollBar* VScroll2 = nullptr;
    QLineEdit* Text2[2] = {nullptr, nullptr};  // position X, Y
    DescendingScrollBar* VScroll3[2] = {nullptr, nullptr};
    QComboBox* Combo1 = nullptr;  // effect
    QComboBox* Combo2 = nullptr;  // speed
    QLineEdit* Text3 = nullptr;   // sound-effect path
    QPushButton* Command12 = nullptr;
    QCheckBox* Check2 = nullptr;  // keep the previous image
    QCheckBox* Check1 = nullptr;  // background colour transparent

private:
    void buildControls();
    void connectHandlers();
    // Shows again what the document holds for the current slide where a control differs.
    void mirror(int index);

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
    QScrollArea* area_ = nullptr;
    QWidget* content_ = nullptr;
};
