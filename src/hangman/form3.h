#pragma once

#include "platform/commondialog.h"
#include "puzzleset.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hangman {

// The puzzle editor: a title and entries of a clue and an answer, shown one at a time.
class Form3 : public QDialog {
    Q_OBJECT
  public:
    static constexpr int MaxNewEntries = 100;

    explicit Form3(QWidget* parent);

    bool EditorFresh = false;
    std::array<QString, MaxEditorEntries + 1> EntryClue;
    std::array<QString, MaxEditorEntries + 1> EntryAnswer;
    int EntryCount = 0;
    int EntryCur = 0;

    QPushButton* Command4; // |<
    QPushButton* Command2; // <
    QPushButton* Command1; // >
    QPushButton* Command3; // >|
    QPushButton* Command5; // Load
    QPushButton* Command6; // Save
    QPushButton* Command7; // Close
    QLineEdit* WhatPuzzle;
    QLineEdit* WhatClue;
    QLineEdit* WhatAnswer;
    QLabel* Label4;

    void Form_Activate();
    void ShowEntry(int i);
    void WhatClue_Change();
    void WhatAnswer_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool isComplete(int i) const;
    void setUpDialog();
    // The entries Save writes, or nullopt after saying why nothing can be saved.
    std::optional<QList<Puzzle>> entriesToSave();

    platform::CommonDialog CMDialog1;
    QString PickedFile;
    shared::TextEncoding encoding_ = shared::TextEncoding::SingleByte; // of the set loaded
};

} // namespace hangman
