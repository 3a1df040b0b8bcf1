#include "form4.h"
#include "categories.h"
#include "categoryswitch.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "platform_files/directorylisting.h"

#include <QKeyEvent>

namespace pelmora {

namespace {

constexpr unsigned Teal = 0x808000;

QLabel* makeLabel(const QString& text, int left, int top, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->move(platform::twipsPoint(left, top));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

QListWidget* makeList(int left, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setGeometry(platform::twipsRect(left, 1110, 1440, 1395));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    list->setPalette(palette);
    return list;
}

QPushButton* makeButton(const QString& text, QRect twips, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Moves the first selected item of one list to the end of the other. The list is left with
// nothing selected, so a second press moves nothing more.
void moveSelected(QListWidget* from, QListWidget* to) {
    for (int i = 0; i < from->count(); ++i) {
        if (from->item(i)->isSelected()) {
            to->addItem(from->item(i)->text());
            delete from->takeItem(i);
            from->clearSelection();
            from->setCurrentRow(-1);
            return;
        }
    }
}

} // namespace

Form4::Form4(Pelmora1& module, QWidget* parent) : QDialog(parent), module_(module) {
    setObjectName("Form4");
    setWindowTitle("Categories");
    setWindowIcon(QIcon(":/art/pelmora-icon.png"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(platform::twipsSize(5055, 3345));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, Teal);

    Label1 = makeLabel("Available", 315, 645, this);
    Label2 = makeLabel("Active", 3300, 645, this);
    List1 = makeList(315, this);
    List2 = makeList(3300, this);
    Command1 = makeButton(">>", {2100, 1365, 885, 315}, this);
    Command2 = makeButton("<<", {2100, 1770, 885, 315}, this);
    Command3 = makeButton("OK", {1770, 2730, 725, 375}, this);
    Command4 = makeButton("Cancel", {2550, 2730, 725, 375}, this);
    List1->setObjectName("List1");
    List2->setObjectName("List2");
    Command1->setObjectName("Command1");
    Command2->setObjectName("Command2");
    Command3->setObjectName("Command3");
    Command4->setObjectName("Command4");
    setTabOrder(List1, List2);
    setTabOrder(List2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
}

void Form4::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void Form4::keyPressEvent(QKeyEvent* event) {
    // No button is the default: Enter presses only a button that has the focus, which takes
    // the key itself before it comes here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void Form4::Form_Load() {
    platform::centreWindow(this);
    List1->clear();
    List2->clear();
    for (const QString& file : platform::listFiles("*.trv"))
        List2->addItem(categoryItem(file));
    for (const QString& file : platform::listFiles("*.trh"))
        List1->addItem(categoryItem(file));
}

void Form4::Command1_Click() {
    moveSelected(List1, List2);
}

void Form4::Command2_Click() {
    moveSelected(List2, List1);
}

void Form4::Command3_Click() {
    for (const SwitchProblem& problem : switchCategories(itemsOf(List1), itemsOf(List2)))
        platform::msgBox(switchProblemMessage(problem), platform::Buttons::Ok,
                         platform::Icon::Exclamation);
    module_.CatsChanged = 1;
    accept();
}

void Form4::Command4_Click() {
    reject();
}

} // namespace pelmora
