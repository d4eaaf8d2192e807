#pragma once

#include <QGroupBox>

class EditorDocument;
class FileQuestions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
struct SlideItem;

// The property panel "プロパティ" (`Frame1`): edits the selected slide's settings. Every edit
// is written straight into the selected slide; with no slide selected the handlers still
// validate and mirror the controls but store nothing.
class PropertyPanel : public QGroupBox {
    Q_OBJECT
public:
    PropertyPanel(EditorDocument& document, FileQuestions& questions, QWidget* parent = nullptr);

    // Shows a slide's settings; the change handlers store back the same values.
    void fillFromSlide(const SlideItem& slide);
    // The display-time box and both position boxes to "0" (New, Delete all).
    void resetNumbers();

    // The controls, named as the program's handlers know them.
    QLineEdit* Text1 = nullptr;  // display time
    QScrollBar* VScroll2 = nullptr;
    QLineEdit* Text2[2] = {nullptr, nullptr};  // position X, Y
    QScrollBar* VScroll3[2] = {nullptr, nullptr};
    QComboBox* Combo1 = nullptr;  // effect
    QComboBox* Combo2 = nullptr;  // speed
    QLineEdit* Text3 = nullptr;  // sound-effect path
    QPushButton* Command12 = nullptr;
    QCheckBox* Check2 = nullptr;  // keep the previous image
    QCheckBox* Check1 = nullptr;  // background colour transparent

private:
    EditorDocument& document_;
    FileQuestions& questions_;
};
