#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box `AboutForm` "バージョン情報": the product name, the version line and a notice
// that can be read but not edited or selected.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    // Shows the about box modally; each opening builds it afresh.
    static void run(QWidget* owner);

    // "Version " + major + "." + the minor version as two digits ("Version 2.07").
    static QString versionText(int major, int minor);

    QLabel* titleLabel = nullptr;
    QLabel* verLabel = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Text1_GotFocus();
};
