#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

class QLineEdit;

namespace kavrinth {

struct Triangle;

// The window in which a new champion types three initials.
class frmWinner : public QDialog {
    Q_OBJECT
  public:
    frmWinner(Triangle& game, QWidget* parent);

    // Shows the window modally, cleared, until the initials are saved or it is closed.
    void showModal();

    std::array<QLineEdit*, 3> editWinnerName{};
    QString WinnerInitials;
    bool WinnerFormReady = false;
    bool NameSaved = false;

    void editWinnerName_Change(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Form_Activate();

    Triangle& game_;
    QPixmap picture_;
    QFont letterFont_;
};

} // namespace kavrinth
