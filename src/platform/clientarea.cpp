#include "clientarea.h"

#include <QEvent>

namespace platform {

namespace {

class BottomAlignment : public QObject {
  public:
    explicit BottomAlignment(QWidget* control) : QObject(control), control_(control) {
        control->parentWidget()->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            place();
        return false;
    }

  private:
    void place() {
        const QWidget* parent = control_->parentWidget();
        const int height = control_->height();
        control_->setGeometry(0, parent->height() - height, parent->width(), height);
    }

    QWidget* control_;
};

} // namespace

ClientArea::ClientArea(QSize designSize, QWidget* parent)
    : QWidget(parent), designSize_(designSize) {
    resize(designSize);
}

void alignToBottom(QWidget* control) {
    new BottomAlignment(control);
}

} // namespace platform
