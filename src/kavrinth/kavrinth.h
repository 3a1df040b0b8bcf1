#pragma once

#include "shared/aboutbox.h"
#include "triangle.h"

#include <QLabel>
#include <QMainWindow>
#include <array>

class QAction;
class QTimer;

namespace platform {
class DragController;
}

namespace kavrinth {

class PictureBox;
class frmWinner;

// The Kavrinth main window: the triangle of holes, the status strip and the menus.
class Kavrinth : public QMainWindow {
    Q_OBJECT
  public:
    Kavrinth();
    ~Kavrinth() override;

    // Start-up: splash, centring, level 1.
    void Form_Load();

    Triangle& game() { return game_; }
    QWidget* client() const { return client_; }
    platform::DragController* dragController() const { return drag_; }
    frmWinner* winnerWindow() const { return winner_; }

    std::array<PictureBox*, MaxHoles + 1> peg{}; // peg[1]..peg[28]
    QWidget* Picture1;
    QLabel* YourScore;
    QLabel* YourTime;
    QLabel* trffc10c;
    QLabel* trihemp;
    QLabel* trffc10a;
    QTimer* Timer1;
    QAction* Newgame;
    QAction* Level1;
    QAction* Level2;
    QAction* Level3;
    QAction* Changpiece;
    QAction* listchamps;
    QAction* resetem;
    QAction* Exitgame;
    QAction* rules;
    QAction* About;

    void StartNewGame();
    void peg_Click(int index);
    void peg_DragOver(int index);
    void peg_DragDrop(int index);
    void Form_DragDrop();
    void Timer1_Timer();
    void Newgame_Click();
    void Level1_Click();
    void Level2_Click();
    void Level3_Click();
    void Changpiece_Click();
    void listchamps_Click();
    void resetem_Click();
    void Exitgame_Click();
    void rules_Click();
    void About_Click();

  private:
    void buildControls();
    void buildMenus();
    void setLevel(int level);
    void showHole(int hole);
    void championsCheck();
    int pegIndex(const QWidget* widget) const;

    Triangle game_;
    QWidget* client_;
    platform::DragController* drag_;
    frmWinner* winner_ = nullptr;
    shared::AboutBoxHost about_;
    bool toldPieceFileProblem_ = false;
};

} // namespace kavrinth
