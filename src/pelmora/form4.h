#pragma once

#include "pelmora1.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pelmora {

// The categories dialog: switched-off categories (Available) and active ones (Active).
// OK renames the files of the categories that changed sides and sets CatsChanged.
class Form4 : public QDialog {
    Q_OBJECT
  public:
    explicit Form4(Pelmora1& module, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QListWidget* List1;
    QListWidget* List2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();

    Pelmora1& module_;
    bool loaded_ = false;
};

} // namespace pelmora
