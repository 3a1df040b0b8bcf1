#include "mousemsg.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/bitmapfile.h"
#include "shared/sound.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace nibbolet {

MouseMsg::MouseMsg(NIBBOLET1& state, QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      state_(state), mainWindow_(mainWindow) {
    setObjectName("MouseMsg");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(platform::twipsSize(5100, 2580));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, 0xFFFFFF);

    Picture1 = new platform::PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(platform::twipsRect(90, 300, 2265, 2145));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(platform::twipsRect(2370, 270, 2640, 1290));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(1830, 2265, 1515, 285));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &MouseMsg::Command1_Click);
    // Owned, not a child: the main window is disabled while the message waits.
    platform::setOwner(this, mainWindow);
}

void MouseMsg::Form_Load() {
    platform::centreWindow(this);
    setWindowTitle(state_.EventTitle);
    // The finding and the instruction are parted by a carriage return: two lines.
    Label1->setText(QString(state_.EventText).replace(QChar(13), QChar(10)));
    Picture1->setPicture(QPixmap::fromImage(
        shared::readPicture(platform::resolveFileName(state_.EventPicture), nullptr)
            .value_or(QImage())));
    PlayEventSound();
    show();
    Command1->setFocus();
}

void MouseMsg::PlayEventSound() {
    shared::playWave(state_.EventSound);
}

void MouseMsg::Command1_Click() {
    close();
}

void MouseMsg::reject() {
    close();
}

// OK, Esc and the window's own close all end the message the same way.
void MouseMsg::closeEvent(QCloseEvent* event) {
    if (!state_.MsgDone) {
        mainWindow_->setEnabled(true);
        state_.MsgDone = true;
    }
    event->accept();
}

} // namespace nibbolet
