#pragma once

#include "gimbo1.h"
#include "platform/commondialog.h"
#include "shared/aboutbox.h"
#include "shared/random.h"

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <array>

class QAction;
class QTimer;

namespace platform {
class DragController;
}

namespace gimbo {

// The GimboAgram main window: 42 edge blocks around seven draggable centre buttons over the
// background picture, two turn icons and the status bar of hint, seconds and hits.
class Gimbo : public QMainWindow, private Display {
    Q_OBJECT
  public:
    explicit Gimbo(shared::RandomSource* random = nullptr);
    ~Gimbo() override;

    // Start-up: splash, centring, caption, drag icons, first deal, background, hints.
    void Form_Load();

    Gimbo1& game() { return game_; }
    QWidget* client() const { return client_; }
    const QString& gameFile() const { return GameFile; }
    // The centre button of a slot (the buttons' order is not the slots' order).
    QPushButton* hexagonOfSlot(int slot) const;

    std::array<QLabel*, BlockCount> Block{};
    std::array<QPushButton*, SlotCount> Hexagon{};
    QLabel* Picture1;
    QLabel* Picture2;
    QLabel* OK;
    QLabel* Haul;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;
    QTimer* Timer1;
    QTimer* Timer2;
    platform::CommonDialog FileIO;
    QAction* NewGame;
    QAction* OpenGame;
    QAction* SaveGame;
    QAction* SaveAsGame;
    QAction* CloseGame;
    QAction* how2play;
    QAction* AboutHex;

    QString GameTitle;
    QString GameFile;
    std::array<QString, 11> Hints;
    int HintIndex = 0;

    void Hexagon_DragOver(QPushButton* source, int index);
    void Hexagon_DragDrop(QPushButton* source, int index);
    void Picture_DragDrop(QPushButton* source, bool clockwise);
    void Timer2_Timer();
    void NewGame_Click();
    void OpenGame_Click();
    void SaveGame_Click();
    void SaveAsGame_Click();
    void CloseGame_Click();
    void how2play_Click();
    void AboutHex_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void stretchBackground();
    void loadBackground();
    void showBackground();
    // The name chosen in the dialog, or an empty text when it is not one to use.
    QString chooseName(int action);
    void setTitled(const QString& path);
    bool saveTo(const QString& path);
    int slotOf(const QPushButton* hexagon) const;
    int hexagonIndex(const QWidget* widget) const;
    int blockIndex(const QWidget* widget) const;

    void dealStarted() override;
    void blockChanged(int block) override;
    void hitsChanged() override;
    void secondsChanged() override;
    void clockSwitched() override;

    shared::GameRandom random_;
    Gimbo1 game_;
    QWidget* client_;
    platform::DragController* drag_;
    shared::AboutBoxHost about_;
    QPixmap okIcon_;
    QPixmap haulIcon_;
    QSize stretchedFor_;
    QImage background_;
};

} // namespace gimbo
