#include "aboutbox.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace shared {

namespace {

constexpr unsigned LightGrey = 0xC0C0C0;

QRect pixels(const QRect& twips) {
    return platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(pixels(twips));
    return label;
}

} // namespace

IconPicture::IconPicture(const QPixmap& icon, QWidget* parent) : QLabel(parent) {
    setPixmap(icon);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

RuleLine::RuleLine(QLine twips, QWidget* parent) : QWidget(parent) {
    const QPoint from = platform::twipsPoint(twips.x1(), twips.y1());
    const QPoint to = platform::twipsPoint(twips.x2(), twips.y2());
    setGeometry(QRect(from, QSize(to.x() - from.x() + 1, 1)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(0, 0, width(), 0);
}

AboutBox::AboutBox(const AboutLayout& layout, const QPixmap& icon, QWidget* parent)
    : QDialog(parent), layout_(layout) {
    setObjectName(layout.windowClass);
    setWindowTitle(layout.caption);
    setWindowIcon(QIcon(icon));
    if (layout.sizable)
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const QSize client = platform::twipsSize(layout.client.width(), layout.client.height());
    if (layout.sizable)
        resize(client);
    else
        setFixedSize(client);
    platform::setBackground(this, LightGrey);
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));

    Picture1 = new IconPicture(icon, this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(pixels(layout.icon));
    titleLabel = addLabel(this, layout.titleLabelName, layout.title, layout.titleLabel);
    noticeLabel = addLabel(this, layout.noticeLabelName, aboutNotice(), layout.notice);
    new RuleLine(layout.rule, this);

    QWidget* last = Picture1;
    if (layout.contact) {
        QLabel* heading = addLabel(this, "Label7", contactHeading(), layout.contact->heading);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const QStringList texts = contactLines();
        for (int i = 0; i < layout.contact->lines.size(); ++i) {
            QLabel* line = addLabel(this, layout.contact->labelNames.value(i), texts.value(i),
                                    layout.contact->lines.at(i));
            line->setFont(platform::mappedFont("MS Sans Serif", 8.25, false));
        }
    }

    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(pixels(layout.ok));
    // Enter presses OK while it has the focus, and always where OK is the default button.
    Command1->setAutoDefault(true);
    Command1->setDefault(layout.okIsDefaultAndCancel);
    connect(Command1, &QPushButton::clicked, this, &AboutBox::Command1_Click);
    if (layout.okFirstInTabOrder)
        setTabOrder(Command1, last);
    else
        setTabOrder(last, Command1);
}

void AboutBox::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
    (layout_.focusStartsOnIcon ? static_cast<QWidget*>(Picture1) : Command1)->setFocus();
}

void AboutBox::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    const bool enterOrEsc = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                            event->key() == Qt::Key_Enter;
    if (enterOrEsc && layout_.okIsDefaultAndCancel) {
        Command1_Click();
        return;
    }
    // Without a cancel button Esc does nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void AboutBox::Form_Load() {
    platform::centreWindow(this);
}

void AboutBox::Form_Activate() {
    if (layout_.focusOnActivate)
        Command1->setFocus();
}

void AboutBox::Command1_Click() {
    // Both variants leave exec(); the host decides whether the box stays loaded.
    done(QDialog::Accepted);
}

AboutBoxHost::AboutBoxHost(AboutGame game, QPixmap icon, QWidget* parent)
    : layout_(aboutLayout(game)), icon_(std::move(icon)), parent_(parent) {}

AboutBoxHost::~AboutBoxHost() {
    delete kept_;
}

void AboutBoxHost::showModal() {
    if (layout_.okHides) {
        if (!kept_)
            kept_ = new AboutBox(layout_, icon_, parent_);
        // OK only hides the box; closing it from its title bar unloads it.
        if (kept_->exec() == QDialog::Rejected)
            delete kept_;
        return;
    }
    AboutBox box(layout_, icon_, parent_);
    box.exec();
}

} // namespace shared
