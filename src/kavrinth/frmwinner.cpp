#include "frmwinner.h"
#include "champions.h"
#include "pictures.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "triangle.h"

#include <QLineEdit>
#include <QPainter>
#include <QValidator>
#include <algorithm>

namespace kavrinth {

namespace {

constexpr unsigned Yellow = 0x0000FFFF;

// Takes only characters that read back from the champions file as they were typed.
class InitialValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (!isAllowedInitial(c))
                return Invalid;
        return Acceptable;
    }
};

// A letter wider than its box is drawn smaller, so it shows whole. The box keeps two pixels
// each side of its text and one more for the cursor, or it scrolls the letter out of sight.
void fitLetter(QLineEdit* box, const QFont& font) {
    const int room = box->contentsRect().width() - 2 * 2 - 2;
    QFont fitted = font;
    for (int pixels = QFontInfo(font).pixelSize(); pixels > 1; --pixels) {
        const QFontMetrics metrics(fitted);
        const QString letter = box->text();
        if (std::max(metrics.horizontalAdvance(letter), metrics.boundingRect(letter).width()) <=
            room)
            break;
        fitted.setPixelSize(pixels - 1);
    }
    box->setFont(fitted);
}

} // namespace

frmWinner::frmWinner(Triangle& game, QWidget* parent)
    : QDialog(parent), game_(game), picture_(":/art/kavrinth-winner.png"),
      letterFont_(platform::mappedFont("System", 19.5, true)) {
    setObjectName("frmWinner");
    setWindowTitle("TOP 10!  Enter Initials");
    resize(platform::twipsSize(6240, 3780));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, Magenta);
    const int lefts[] = {2565, 2985, 3390};
    const int tops[] = {1515, 1530, 1515};
    auto* validator = new InitialValidator(this);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("editWinnerName%1").arg(i));
        box->setGeometry(platform::twipsRect(lefts[i], tops[i], 315, 510));
        box->setMaxLength(1);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(validator);
        box->setFont(letterFont_);
        platform::setBackground(box, Yellow);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, platform::colourFromBgr(Yellow));
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        connect(box, &QLineEdit::textChanged, this, [this, i] { editWinnerName_Change(i); });
        editWinnerName[i] = box;
    }
    setTabOrder(editWinnerName[0], editWinnerName[1]);
    setTabOrder(editWinnerName[1], editWinnerName[2]);
    platform::centreWindow(this);
}

void frmWinner::showModal() {
    WinnerInitials.clear();
    WinnerFormReady = false;
    exec();
}

void frmWinner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmWinner::Form_Activate() {
    WinnerFormReady = false;
    platform::centreWindow(this);
    for (QLineEdit* box : editWinnerName)
        box->clear();
    editWinnerName[0]->setFocus();
    WinnerFormReady = true;
}

void frmWinner::editWinnerName_Change(int index) {
    QLineEdit* box = editWinnerName[index];
    fitLetter(box, letterFont_);
    if (!WinnerFormReady)
        return;
    const QString upper = box->text().toUpper();
    if (upper != box->text()) {
        box->setText(upper); // this change comes back here with the upper-case text
        return;
    }
    if (index < 2) {
        NameSaved = false;
        editWinnerName[index + 1]->setFocus();
        return;
    }
    if (NameSaved)
        return;
    NameSaved = true;
    WinnerInitials =
        editWinnerName[0]->text() + editWinnerName[1]->text() + editWinnerName[2]->text();
    QString problem;
    switch (recordChampion(ChampionsFile, WinnerInitials, game_.Score, &problem)) {
    case Recorded::NotAvailable:
        platform::msgBox(ChampsNotAvailable, platform::Buttons::Ok, platform::Icon::Information,
                         "Champs");
        break;
    case Recorded::NotSaved:
        platform::msgBox("The champions cannot be kept in this folder.\n" + problem,
                         platform::Buttons::Ok, platform::Icon::Exclamation, "Champs");
        break;
    case Recorded::Saved:
    case Recorded::NoPlace:
        break;
    }
    game_.Score = 0;
    game_.DragSource = 0;
    game_.JumpedHole = 0;
    hide();
}

void frmWinner::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    painter.setPen(QPen(Qt::black, 1));
    const int y = platform::twipsToPixels(2115);
    const int ends[][2] = {{2535, 2865}, {2970, 3300}, {3360, 3690}};
    for (const auto& end : ends)
        painter.drawLine(platform::twipsToPixels(end[0]), y, platform::twipsToPixels(end[1]), y);
}

} // namespace kavrinth
