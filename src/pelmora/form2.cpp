#include "form2.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QKeyEvent>

namespace pelmora {

namespace {
constexpr unsigned Teal = 0x808000;
constexpr unsigned White = 0xFFFFFF;

void whiteOnTeal(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, platform::colourFromBgr(Teal));
    palette.setColor(QPalette::Text, platform::colourFromBgr(White));
    palette.setColor(QPalette::WindowText, platform::colourFromBgr(White));
    widget->setPalette(palette);
}

// An option's caption is white on teal; its round mark is white with a black dot when chosen,
// so both stand out from the dialog.
void optionLook(QWidget* option) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, platform::colourFromBgr(White));
    palette.setColor(QPalette::Base, platform::colourFromBgr(White));
    palette.setColor(QPalette::Text, Qt::black);
    option->setPalette(palette);
}

} // namespace

Form2::Form2(Pelmora1& module, QWidget* parent) : QDialog(parent), module_(module) {
    setObjectName("Form2");
    setWindowTitle("Question");
    setWindowIcon(QIcon(":/art/pelmora-icon.png"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(platform::twipsSize(7770, 4410));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, Teal);

    Text1 = new QPlainTextEdit("Text1", this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(platform::twipsRect(135, 360, 7545, 1650));
    whiteOnTeal(Text1);
    // The question cannot be edited: its box never takes the focus, "&Answer" has it.
    Text1->setFocusPolicy(Qt::NoFocus);
    QWidget* previous = nullptr;
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton("Option1", this);
        Option1[i]->setObjectName(QString("Option1_%1").arg(i));
        Option1[i]->setGeometry(platform::twipsRect(165, 2115 + 300 * i, 7545, 345));
        optionLook(Option1[i]);
        Option1[i]->hide();
        if (previous)
            setTabOrder(previous, Option1[i]);
        previous = Option1[i];
    }
    Command1 = new QPushButton("&Answer", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(3045, 3795, 1275, 405));
    Command1->setDefault(true);
    setTabOrder(previous, Command1);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    // Filled before the first paint too, whenever the window system activates the dialog.
    Form_Activate();
    QDialog::showEvent(event);
    Command1->setFocus();
}

void Form2::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // Without a cancel button Esc does nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void Form2::Form_Load() {
    platform::centreWindow(this);
}

void Form2::Form_Activate() {
    Text1->setPlainText(module_.Question);
    for (int i = 1; i <= module_.AnswerCount; ++i) {
        Option1[i - 1]->show();
        Option1[i - 1]->setText(module_.Answers[i]);
    }
}

void Form2::Command1_Click() {
    for (int i = 1; i <= 4; ++i)
        if (Option1[i - 1]->isChecked())
            module_.ChosenAnswer = i;
    accept();
}

} // namespace pelmora
