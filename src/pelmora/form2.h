#pragma once

#include "pelmora1.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace pelmora {

// The question dialog: the question, up to four answers to choose from, and "&Answer".
// It is made afresh for every question; the choice goes to ChosenAnswer.
class Form2 : public QDialog {
    Q_OBJECT
  public:
    explicit Form2(Pelmora1& module, QWidget* parent = nullptr);

    QPlainTextEdit* Text1;
    std::array<QRadioButton*, 4> Option1{};
    QPushButton* Command1;

    void Command1_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();

    Pelmora1& module_;
    bool loaded_ = false;
};

} // namespace pelmora
