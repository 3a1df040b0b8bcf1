#include "dragcontroller.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

// The default drag picture: a grey frame the size of the source control.
class DragOutline : public QWidget {
  public:
    explicit DragOutline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(Qt::darkGray, 2, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

DragController::DragController(QWidget* form)
    : QObject(form), form_(form), outline_(new DragOutline(form)) {
    form_->installEventFilter(this);
    // A modal box opening over the form is announced to its top-level window.
    if (form_->window() != form_)
        form_->window()->installEventFilter(this);
}

DragController::~DragController() = default;

void DragController::addControl(QWidget* control, Mode mode) {
    if (!modes_.contains(control)) {
        controls_.append(control);
        control->installEventFilter(this);
        connect(control, &QObject::destroyed, this, [this, control] {
            controls_.removeAll(control);
            modes_.remove(control);
            icons_.remove(control);
        });
    }
    modes_[control] = mode;
}

void DragController::setMode(QWidget* control, Mode mode) {
    if (modes_.contains(control))
        modes_[control] = mode;
}

void DragController::setDragIcon(QWidget* control, const QPixmap& icon) {
    if (icon.isNull())
        icons_.remove(control);
    else
        icons_[control] = icon;
    if (dragging() && control == source_)
        showDragPicture();
}

// The pointer shows the source's drag icon; without one, the outline follows the pointer.
void DragController::showDragPicture() {
    if (icons_.contains(source_)) {
        const QCursor cursor(icons_.value(source_));
        if (iconShown_)
            QApplication::changeOverrideCursor(cursor);
        else
            QApplication::setOverrideCursor(cursor);
        iconShown_ = true;
        outline_->hide();
        return;
    }
    if (iconShown_)
        QApplication::restoreOverrideCursor();
    iconShown_ = false;
    outline_->resize(source_->size());
    outline_->move(pointer_ - grabOffset_);
    outline_->raise();
    outline_->show();
}

QWidget* DragController::controlAt(QPoint formPos) const {
    // The topmost visible control wins: later siblings lie above earlier ones.
    for (auto it = controls_.crbegin(); it != controls_.crend(); ++it) {
        QWidget* control = *it;
        if (!control->isVisible())
            continue;
        const QRect area(control->mapTo(form_, QPoint(0, 0)), control->size());
        if (area.contains(formPos))
            return control;
    }
    return nullptr;
}

void DragController::beginDrag(QWidget* control) {
    if (!modes_.contains(control) || dragging())
        return;
    const QPoint pointer = control->mapFromGlobal(QCursor::pos());
    start(control, control->rect().contains(pointer) ? pointer : control->rect().center());
}

void DragController::cancelDrag() {
    QWidget* source = source_;
    stop();
    if (source)
        emit dragEnded(source);
}

void DragController::start(QWidget* control, QPoint grabOffset) {
    source_ = control;
    grabOffset_ = grabOffset;
    pointer_ = control->mapTo(form_, grabOffset);
    // The press that starts a drag holds the mouse for the pressed control until release, so
    // moves and the release reach this filter without a grab of our own.
    showDragPicture();
    emit dragOver(control, control, grabOffset);
}

void DragController::follow(QPoint formPos) {
    pointer_ = formPos;
    if (outline_->isVisible())
        outline_->move(formPos - grabOffset_);
    if (QWidget* target = controlAt(formPos))
        emit dragOver(target, source_, target->mapFrom(form_, formPos));
    else if (form_->rect().contains(formPos) && !form_->childAt(formPos))
        emit formDragOver(source_, formPos);
}

void DragController::finish(QPoint formPos) {
    QWidget* source = source_;
    stop();
    if (!source)
        return;
    if (QWidget* target = controlAt(formPos))
        emit dragDrop(target, source, target->mapFrom(form_, formPos));
    else if (form_->rect().contains(formPos))
        emit formDragDrop(source, formPos);
    emit dragEnded(source);
}

void DragController::stop() {
    if (iconShown_)
        QApplication::restoreOverrideCursor();
    iconShown_ = false;
    outline_->hide();
    source_.clear();
}

bool DragController::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::WindowBlocked) {
        if (dragging())
            cancelDrag();
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // The form's window is watched only for modal boxes.
    if (!widget || (widget != form_ && !modes_.contains(widget)))
        return false;
    const QPoint formPos = widget->mapTo(form_, mouse->position().toPoint());

    if (dragging()) {
        if (type == QEvent::MouseMove)
            follow(formPos);
        else if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            finish(formPos);
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        mouse->button() == Qt::LeftButton &&
        modes_.value(widget, Mode::Manual) == Mode::Automatic) {
        start(widget, mouse->position().toPoint());
        return true;
    }
    return false;
}

} // namespace platform
