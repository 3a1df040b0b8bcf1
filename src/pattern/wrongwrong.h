#pragma once

#include "answers.h"
#include "sequence.h"
#include "shared/aboutbox.h"
#include "shared/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QTimer;

namespace pattern {

// The Lumbrisk window: 18 answer boxes under their marks, the clock strip and the menus.
class wrongwrong : public QMainWindow {
    Q_OBJECT
  public:
    explicit wrongwrong(shared::RandomSource* random = nullptr);
    ~wrongwrong() override;

    // The start-up sequence: splash, centring, first new game.
    void Form_Load();

    const Module1& module() const { return Module1_; }
    QWidget* client() const { return client_; }
    // The hidden number of a box as number text, leading blank included.
    QString tag(int index) const;

    std::array<QLineEdit*, BoxCount> Ans{};
    std::array<QLabel*, BoxCount> yesorno{};
    QLabel* wrong;
    QLabel* Right;
    QLabel* Status;
    QTimer* Timer1;
    QAction* newgame;
    QAction* closethething;
    QAction* ContentsMenu;
    QAction* AboutMenu;

    void Ans_KeyPress(int Index, int KeyAscii);
    void CheckIt(int Index);
    void Timer1_Timer();
    void newgame_Click();
    void closethething_Click();
    void ContentsMenu_Click();
    void AboutMenu_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    // After a right answer or a reveal: the next box becomes current, or the game ends.
    void moveOn(int Index);
    void endGame();

    QWidget* client_;
    shared::GameRandom random_;
    shared::AboutBoxHost about_;
    Module1 Module1_;
};

} // namespace pattern
