#pragma once

#include "levels.h"
#include "pelmora1.h"
#include "settings.h"
#include "shared/aboutbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>

class QAction;

namespace pelmora {

// The Pelmora window: the puzzle picture under the level's tiles, the guess box and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    // The start-up sequence: splash, centring, module state, level 1, the first new game.
    void Form_Load();

    Pelmora1& module() { return PELMORA1; }
    QWidget* client() const { return client_; }
    // The category number a tile carries, as number text with its leading blank.
    QString tag(int index) const;

    QLabel* Picture1;
    std::array<QPushButton*, TileCount> Command2{};
    QLineEdit* Text1;
    QPushButton* Command1;
    QAction* NewGame;
    QAction* Level1;
    QAction* Level2;
    QAction* Level3;
    QAction* Options;
    QAction* CreatePuzzle;
    QAction* Closeit;
    QAction* contents;
    QAction* About;

    void NewGame_Click();
    void Level1_Click();
    void Level2_Click();
    void Level3_Click();
    void Options_Click();
    void CreatePuzzle_Click();
    void Closeit_Click();
    void contents_Click();
    void About_Click();
    void Command2_Click(int Index);
    void Command1_Click();

  private:
    void buildControls();
    void buildMenus();
    void chooseLevel(int level);
    // The two refusals when a kind of data file is missing; the program then ends.
    void refuseToStart(const QString& kind);
    bool readCategoryFiles();
    bool chooseAndLoadPuzzle();
    void loadPicture();
    qint64 readSetting(const QString& section, const QString& key, const QString& defaultValue,
                       platform::KeyMatch match = platform::KeyMatch::ExactFirst);
    void writeSetting(const QString& section, const QString& key, qint64 value);
    // Tells once a run that the settings file is there but cannot be read.
    void settingsUnreadable(const QString& problem);

    QWidget* client_;
    shared::AboutBoxHost about_;
    Pelmora1 PELMORA1;
    SettingsFile settings_{""};
    bool settingsUnreadableShown_ = false;
};

} // namespace pelmora
