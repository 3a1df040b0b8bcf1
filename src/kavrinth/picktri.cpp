#include "picktri.h"
#include "pictures.h"
#include "piecesetting.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/files.h"

#include <QLabel>

namespace kavrinth {

namespace {

int pictureTop(int index) {
    if (index == 21 || index == 25 || index == 26 || index == 27 || index == 29)
        return 2325;
    if (index == 37)
        return 2895;
    return 1200 + 570 * (index / 10);
}

} // namespace

picktri::picktri(QWidget* parent) : QDialog(parent) {
    setObjectName("picktri");
    setWindowTitle("Pick a Piece");
    resize(platform::twipsSize(6030, 3810));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, Magenta);
    Label1 = new QLabel("Click the game piece you wish to use.", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(platform::twipsRect(1380, 480, 3255, 225));
    // The mapped font runs wider than the one the layout was made for: the line stays whole.
    if (Label1->sizeHint().width() > Label1->width())
        Label1->resize(Label1->sizeHint().width(), Label1->height());
    for (int i = 0; i < PieceCount; ++i) {
        auto* picture = new PictureBox(this);
        picture->setObjectName(QString("piecepic%1").arg(i));
        picture->setGeometry(platform::twipsRect(180 + 570 * (i % 10), pictureTop(i), 525, 525));
        platform::setBackground(picture, Magenta);
        picture->setPixmap(piecePicture(i));
        connect(picture, &PictureBox::clicked, this, [this, i] { piecepic_Click(i); });
        piecepic[i] = picture;
    }
    Form_Load();
}

void picktri::Form_Load() {
    platform::centreWindow(this);
}

void picktri::piecepic_Click(int index) {
    QString problem;
    if (!shared::saveFile(platform::resolveFileName(PieceFile), pieceFileFor(index), &problem))
        platform::msgBox("The chosen piece cannot be kept in this folder.\n" + problem,
                         platform::Buttons::Ok, platform::Icon::Exclamation);
    accept();
}

} // namespace kavrinth
