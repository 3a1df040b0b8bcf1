#pragma once

#include "maze.h"
#include "platform/commondialog.h"
#include "shared/aboutbox.h"
#include "shared/random.h"

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <memory>

class QAction;
class QPainter;

namespace maze {

class Canvas;
struct Mark;

// The maze window: the maze drawn on its client area, traced with the mouse against a
// seconds clock, and the Game and Help menus.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(shared::RandomSource* random = nullptr);
    ~Form1() override;

    // The start-up sequence: splash, the window at its design position, the first maze.
    void Form_Load();

    const QUIBMAZE1& module() const { return state_; }
    Canvas* client() const { return canvas_; }

    QLabel* Label2;
    QTimer* Timer1;
    platform::CommonDialog CMDialog1;
    QAction* NewGame;
    QAction* OpenMaze;
    QAction* AllDone;
    QAction* HelpContents;
    QAction* HelpAbout;

    // One attempt at a new maze, with the hourglass pointer while it runs; 1 when accepted.
    int BuildMaze();
    void Form_Paint();
    void Form_Resize();
    void Form_MouseDown(QPointF twips);
    void Form_MouseMove(QPointF twips);
    void Form_MouseUp(QPointF twips);
    void Timer1_Timer();
    void NewGame_Click();
    void OpenMaze_Click();
    void AllDone_Click();
    void HelpContents_Click();
    void HelpAbout_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    // Shows the waiting label, lets it be painted, then builds until an attempt is accepted.
    void buildNewMaze();
    void clearWindow();
    void drawMark(QPainter& painter, const Mark& mark, const QColor& wallColour);
    void drawTrailBox(Cell cell, const QColor& colour);

    Canvas* canvas_;
    shared::GameRandom random_;
    shared::AboutBoxHost about_;
    QUIBMAZE1 state_;
    // The completion box closed while a button was held: the release still to come, wherever
    // it arrives, ends the trace as a release does.
    bool releaseAwaited_ = false;
};

} // namespace maze
