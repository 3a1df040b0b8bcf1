#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace kavrinth {

class PictureBox;

// The piece picker: a click on one of the 40 pictures keeps it as the piece and closes.
class picktri : public QDialog {
    Q_OBJECT
  public:
    explicit picktri(QWidget* parent);

    QLabel* Label1;
    std::array<PictureBox*, 40> piecepic{};

    void piecepic_Click(int index);

  private:
    void Form_Load();
};

} // namespace kavrinth
