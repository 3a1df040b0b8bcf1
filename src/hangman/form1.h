#pragma once

#include "guessing.h"
#include "platform/clicklabel.h"
#include "platform/commondialog.h"
#include "settingsfile.h"
#include "shared/aboutbox.h"

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QTimer;

namespace hangman {

class Form3;
class Form4;

// The Hangman window: the gallows with its figure, the alphabet, the answer slots, the clue
// and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int AnswerSlots = 31;

    Form1();
    ~Form1() override;

    // Start-up: splash, centring, settings, first new game.
    void Form_Load();

    QWidget* client() const { return client_; }
    const HANGMAN1& module() const { return HANGMAN1_; }
    const QString& WinDir() const { return WinDir_; }
    const QString& PuzzleName() const { return PuzzleName_; }
    // The editor and the result window, loaded when first needed.
    Form3* editor();
    Form4* result();
    shared::AboutBoxHost& about() { return about_; }
    // The figure's parts in the order they are shown: Head, body, larm, rarm, lfoot, rfoot.
    std::array<QLabel*, FigureParts> parts() const;

    QLabel* Hanger;
    QLabel* Head;
    QLabel* body;
    QLabel* larm;
    QLabel* rarm;
    QLabel* lfoot;
    QLabel* rfoot;
    QLabel* Face1;
    std::array<platform::ClickLabel*, LetterCount> alpha{};
    std::array<QLabel*, AnswerSlots> answer{};
    QLabel* title;
    QLabel* Label1;
    QTimer* Timer1;
    QAction* NewGame1;
    QAction* Options;
    QAction* EdPuzzles;
    QAction* CloseIt;
    QAction* HelpMe;
    QAction* AboutBox;

    void NewGame1_Click();
    void alpha_Click(int Index);
    void Form_KeyPress(int KeyAscii);
    void Timer1_Timer();
    void Options_Click();
    void EdPuzzles_Click();
    void CloseIt_Click();
    void HelpMe_Click();
    void AboutBox_Click();
    // The result window's OK: Form1 is enabled and brought to the front.
    void resultClosed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void setCaption(const QString& caption);
    // Reads and checks the set, moves its position on and rewrites it; false when the set
    // cannot be played, after saying why.
    bool takeNextPuzzle(bool endOnFailure);
    void showPuzzle(const QString& clue);
    void puzzleFileError(const QString& name, const QString& problem);
    void settingsProblem(const QString& problem);

    QWidget* client_;
    shared::AboutBoxHost about_;
    platform::CommonDialog CMDialog1;
    std::unique_ptr<Form3> Form3_;
    std::unique_ptr<Form4> Form4_;
    HANGMAN1 HANGMAN1_;
    QString WinDir_;
    QString PuzzleName_;
    QString PickedFile_;
    bool settingsProblemShown_ = false;
};

} // namespace hangman
