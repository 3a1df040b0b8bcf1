#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace platform {

class DragOutline;

// In-window drag and drop between the controls of one form, built on the form's own mouse
// events. A control in automatic mode starts a drag when the mouse is pressed on it; a
// control in manual mode only when code calls beginDrag. While a drag runs, the pointer shows
// the control's drag icon, or else an outline the size of the source following the pointer.
// The first dragOver of a drag goes to the source control, the later ones to the control
// under the pointer; over the form's bare surface, where no child widget lies, formDragOver
// comes in their place. Releasing the button over a
// control drops there, over the form's background drops on the form, and anywhere else
// ends the drag with no drop. A drag also ends, with no drop, when a modal box opens over the
// form, so a handler may show a box while a drag runs: the release inside the box is not lost
// and the next click starts a drag of its own.
class DragController : public QObject {
    Q_OBJECT
  public:
    enum class Mode { Manual, Automatic };

    explicit DragController(QWidget* form);
    ~DragController() override;

    void addControl(QWidget* control, Mode mode = Mode::Automatic);
    void setMode(QWidget* control, Mode mode);
    // Sets or, with a null pixmap, removes the control's drag icon. While the control is being
    // dragged the pointer changes at once.
    void setDragIcon(QWidget* control, const QPixmap& icon);

    // Starts a drag of the control, as if the mouse had been pressed on it at its centre
    // unless a press is already under way.
    void beginDrag(QWidget* control);
    // Ends the current drag with no drop. Handlers call it before they show a box.
    void cancelDrag();

    bool dragging() const { return !source_.isNull(); }
    QWidget* source() const { return source_; }
    // The registered control under a point of the form, or nullptr.
    QWidget* controlAt(QPoint formPos) const;

  signals:
    void dragOver(QWidget* target, QWidget* source, QPoint posInTarget);
    void dragDrop(QWidget* target, QWidget* source, QPoint posInTarget);
    void formDragDrop(QWidget* source, QPoint posInForm);
    void formDragOver(QWidget* source, QPoint posInForm);
    // After every drag, with or without a drop.
    void dragEnded(QWidget* source);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void start(QWidget* control, QPoint grabOffset);
    void follow(QPoint formPos);
    void finish(QPoint formPos);
    void stop();
    void showDragPicture();

    QWidget* form_;
    QHash<QWidget*, Mode> modes_;
    QList<QWidget*> controls_;
    QHash<QWidget*, QPixmap> icons_;
    QPointer<QWidget> source_;
    QPoint grabOffset_;
    QPoint pointer_; // where the pointer was last seen on the form during the drag
    bool iconShown_ = false;
    DragOutline* outline_;
};

} // namespace platform
