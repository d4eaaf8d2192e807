#pragma once

#include "builder/BuildRequest.h"
#include "document/EditableShow.h"
#include "document/Prompter.h"

#include <QDialog>
#include <QString>

#include <array>

class FileQuestions;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;

// The builder dialog "スクリーンセーバーの作成": destination, file name, version texts, icon
// and the sound switch; "作成" runs the build and closes the dialog when it succeeds. Created
// fresh for every opening, so every value starts from its initial state.
class SaveForm : public QDialog {
    Q_OBJECT

public:
    static inline const QString kCaption = QStringLiteral("スクリーンセーバーの作成");
    static inline const QString kTargetLabel = QStringLiteral("動作環境：");
    static constexpr int kFileNameLength = 40;
    static constexpr int kTextLength = 20;
    static constexpr int kVersionLength = 2;
    static constexpr std::array<int, 4> kDetailLengths = {40, 20, 20, 20};

    SaveForm(const EditableShow& show, Prompter& prompter, FileQuestions& questions,
             QString applicationFolder, QWidget* parent = nullptr);
    ~SaveForm() override;

    // The values a build reads now.
    BuildRequest request() const;
    const QString& chosenIconPath() const { return chosenIconPath_; }

    void Combo1_Click();
    void Command1_Click();
    void Picture1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showIcon(const QString& path);
    void writingStarts();
    void writingEnds();
    bool progress(qint64 done, qint64 total);

    const EditableShow& show_;
    Prompter& prompter_;
    FileQuestions& questions_;
    QString applicationFolder_;
    QString defaultIconPath_;
    QString chosenIconPath_;

    QLineEdit* txtdir = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* txtfilename = nullptr;
    QLineEdit* txtDescript = nullptr;
    QLineEdit* txtcopyright = nullptr;
    std::array<QLineEdit*, 2> txtVersion = {};
    QComboBox* Combo1 = nullptr;
    std::array<QLineEdit*, 4> txtkoumoku = {};
    QLabel* Picture1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* cmbTarget = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QProgressDialog* progress_ = nullptr;
};
