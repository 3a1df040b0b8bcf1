#include "form1.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace suite {

namespace {

constexpr unsigned LightGrey = 0xC0C0C0;
const QString Icon = ":/art/quiblax-icon.png";

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect twips,
                 bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    platform::setBackground(label, LightGrey);
    if (bold)
        label->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    return label;
}

} // namespace

Form1::Form1() {
    setObjectName("Form1");
    setWindowTitle("About QUIBLAX Board Games");
    setWindowIcon(QIcon(Icon));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, false));
    resize(platform::twipsSize(3945, 4815));
    // The window keeps the system's own background; the labels and the icon picture are grey.

    Picture1 = new shared::IconPicture(QPixmap(Icon), this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(platform::twipsRect(705, 960, 600, 600));
    platform::setBackground(Picture1, LightGrey);
    Label1 = addLabel(this, "Label1", "QUIBLAX Board Games", {1440, 960, 2355, 255}, true);
    Label2 = addLabel(this, "Label2", shared::aboutNotice(), {1440, 1320, 2310, 255});
    new shared::RuleLine({120, 1725, 3885, 1725}, this);
    Label7 = addLabel(this, "Label7", shared::contactHeading(), {135, 1860, 3750, 315}, true);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QStringList names = {"Label8", "Label3", "Label5", "Label4", "Label6"};
    const QStringList lines = shared::contactLines();
    for (int i = 0; i < names.size(); ++i)
        contactLabels << addLabel(this, names[i], lines.value(i),
                                  {1185, 2265 + 240 * i, 1860, 270});

    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(1245, 3825, 1455, 315));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    setTabOrder(Picture1, Command1);
}

void Form1::Form_Load() {
    platform::centreWindow(this);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The focus starts on the icon; later showings (a restore) leave it where it was.
    if (!shown_) {
        shown_ = true;
        Picture1->setFocus();
    }
}

void Form1::Command1_Click() {
    platform::endProgram();
}

} // namespace suite
