#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace hangman {

class Form1;

// The result window: no border and no caption, shown without modality while Form1 is
// disabled. However it is closed, Form1 is enabled again.
class Form4 : public QDialog {
    Q_OBJECT
  public:
    explicit Form4(Form1* game);

    // Shows the window for a won or lost game; answer is the upper-cased answer.
    void showResult(bool won, const QString& answer);

    QFrame* Shape1;
    QLabel* Label1;
    QWidget* Line1;
    QLabel* HappyFace;
    QLabel* SadFace;
    QLabel* Label2;
    QPushButton* Command1;

    void Form_Activate();
    void Command1_Click();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Form1* game_;
    bool won_ = false;
    QString answer_;
};

} // namespace hangman
