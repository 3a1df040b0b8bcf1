#pragma once

#include "board.h"
#include "platform/commondialog.h"
#include "shared/aboutbox.h"
#include "shared/random.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <array>
#include <memory>

class QAction;

namespace platform {
class DragController;
}

namespace squares {

// The Squares main window: the board of 54 squares, the two arrows and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(shared::RandomSource* random = nullptr);
    ~Form1() override;

    // The start-up sequence: splash, centring, move tables, first new game.
    void Form_Load();

    const Board& board() const { return board_; }
    void setBoard(const Board& board);
    const Cube1& cube() const { return cube_; }
    QWidget* client() const { return client_; }

    std::array<QFrame*, SquareCount> Block{};
    QLabel* Picture1;
    QLabel* Picture2;
    platform::CommonDialog CMDialog1;
    QAction* NewGame;
    QAction* OpenGame;
    QAction* SaveGame;
    QAction* SaveAs;
    QAction* difficulty1;
    QAction* difficulty2;
    QAction* Closeit;
    QAction* HelpContent;
    QAction* HelpAbout;

    void Block_DragOver(int index);
    void Block_DragDrop(int index);
    void Picture1_DragDrop();
    void Picture2_DragDrop();
    void NewGame_Click();
    void difficulty1_Click();
    void difficulty2_Click();
    void OpenGame_Click();
    void SaveGame_Click();
    void SaveAs_Click();
    void Closeit_Click();
    void HelpContent_Click();
    void HelpAbout_Click();

  private:
    void buildControls();
    void buildMenus();
    void showBoard();
    void turnDraggedRing(bool clockwise);
    void setCurrentFile(const QString& path);
    // Writes the board to the path; on failure tells the player and returns false.
    bool saveTo(const QString& path);
    int blockIndex(const QWidget* widget) const;

    QWidget* client_;
    platform::DragController* drag_;
    shared::GameRandom random_;
    shared::AboutBoxHost about_;
    Board board_;
    Cube1 cube_;
};

} // namespace squares
