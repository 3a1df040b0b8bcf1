#include "form4.h"
#include "form1.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace hangman {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, QRect twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    return label;
}

QLabel* makeFace(QWidget* parent, const QString& name, QRect twips, const QString& art,
                 unsigned background) {
    QLabel* face = makeLabel(parent, name, twips);
    face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    face->setPixmap(QPixmap(art));
    platform::setBackground(face, background);
    face->hide();
    return face;
}

} // namespace

// Owned, not a child: a disabled Form1 would disable its child windows too.
Form4::Form4(Form1* game) : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), game_(game) {
    setObjectName("Form4");
    setWindowTitle("Hangman");
    setFixedSize(platform::twipsSize(4245, 2025));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, 0xC0C0C0);

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(platform::twipsRect(0, -15, 4245, 2025));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1 = makeLabel(this, "Label1", {0, 0, 4245, 270});
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Line1 = new QWidget(this);
    Line1->setObjectName("Line1");
    Line1->setGeometry(platform::twipsRect(15, 270, 4215, 15));
    platform::setBackground(Line1, 0xFFFFFF);
    HappyFace =
        makeFace(this, "HappyFace", {195, 405, 870, 870}, ":/art/hangman-happy.png", 0xFFFFFF);
    SadFace = makeFace(this, "SadFace", {210, 450, 900, 870}, ":/art/hangman-sad.png", 0xC0C0C0);
    Label2 = makeLabel(this, "Label2", {1200, 465, 3030, 960});
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(1350, 1620, 1395, 315));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    move(platform::twipsPoint(2490, 2895));
    platform::setOwner(this, game);
}

void Form4::showResult(bool won, const QString& answer) {
    won_ = won;
    answer_ = answer;
    Form_Activate();
    show();
    raise();
    activateWindow();
    Command1->setFocus();
}

void Form4::Form_Activate() {
    if (won_) {
        HappyFace->show();
        Label1->setText("Congratulations");
        Label2->setText("You are a winner!");
    } else {
        SadFace->show();
        Label1->setText("So Sorry");
        Label2->setText("You Lose.  The Correct Answer is " + answer_);
    }
}

void Form4::Command1_Click() {
    HappyFace->hide();
    SadFace->hide();
    hide();
    game_->resultClosed();
}

void Form4::reject() {
    Command1_Click();
}

void Form4::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible())
        Command1_Click();
}

} // namespace hangman
