#pragma once

#include "platform/picturebox.h"
#include "race.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace nibbolet {

// The message of a special square: its picture, its text and OK. Shown without modality while
// the main window waits; however it is closed, it counts as OK.
class MouseMsg : public QDialog {
    Q_OBJECT
  public:
    MouseMsg(NIBBOLET1& state, QWidget* mainWindow);

    // Centres the window, fills it from the event, plays the event's sound, shows it.
    void Form_Load();

    platform::PictureBox* Picture1;
    QLabel* Label1;
    QPushButton* Command1;

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Command1_Click();
    void PlayEventSound();

    NIBBOLET1& state_;
    QWidget* mainWindow_;
};

} // namespace nibbolet
