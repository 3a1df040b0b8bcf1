#pragma once

#include "shared/aboutbox.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace suite {

// The suite's about window: the suite's icon and name, the notice, the contact block and OK.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1();

    // Centres the window; runs once before it is first shown.
    void Form_Load();

    shared::IconPicture* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label7;
    QList<QLabel*> contactLabels; // Label8, Label3, Label5, Label4, Label6
    QPushButton* Command1;

    void Command1_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool shown_ = false;
};

} // namespace suite
