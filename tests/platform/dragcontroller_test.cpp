#include "platform/dragcontroller.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QSignalSpy>
#include <QTest>

using platform::DragController;

// Three controls on a form: a and b drag automatically, c only when code starts it.
class DragControllerTest : public QObject {
    Q_OBJECT

    QWidget* form = nullptr;
    QFrame *a = nullptr, *b = nullptr, *c = nullptr;
    DragController* drag = nullptr;

    QFrame* control(const QRect& geometry) {
        auto* frame = new QFrame(form);
        frame->setGeometry(geometry);
        return frame;
    }
    // Where a point of a control lies on the form.
    QPoint onForm(QWidget* w, QPoint p = {5, 5}) { return w->mapTo(form, p); }

  private slots:
    void init() {
        form = new QWidget;
        form->resize(300, 200);
        a = control({10, 10, 40, 40});
        b = control({100, 10, 40, 40});
        c = control({200, 10, 40, 40});
        drag = new DragController(form);
        drag->addControl(a);
        drag->addControl(b);
        drag->addControl(c, DragController::Mode::Manual);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() { delete form; }

    void dropOnAnotherControl() {
        QSignalSpy over(drag, &DragController::dragOver);
        QSignalSpy dropped(drag, &DragController::dragDrop);
        QSignalSpy ended(drag, &DragController::dragEnded);
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        QVERIFY(drag->dragging());
        QCOMPARE(over.size(), 1); // the first drag-over goes to the source
        QCOMPARE(over[0][0].value<QWidget*>(), a);
        QTest::mouseMove(form, onForm(b, {20, 20}));
        QCOMPARE(over.size(), 2);
        QCOMPARE(over[1][0].value<QWidget*>(), b);
        QCOMPARE(over[1][1].value<QWidget*>(), a);
        QCOMPARE(over[1][2].toPoint(), QPoint(20, 20));
        QTest::mouseRelease(form, Qt::LeftButton, {}, onForm(b, {20, 20}));
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped[0][0].value<QWidget*>(), b);
        QCOMPARE(dropped[0][1].value<QWidget*>(), a);
        QCOMPARE(ended.size(), 1);
        QVERIFY(!drag->dragging());
    }

    void dropOnTheSourceItself() {
        QSignalSpy dropped(drag, &DragController::dragDrop);
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(a, Qt::LeftButton, {}, {6, 6});
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped[0][0].value<QWidget*>(), a);
        QCOMPARE(dropped[0][1].value<QWidget*>(), a);
    }

    void dropOnTheBackgroundAndOutsideTheForm() {
        QSignalSpy dropped(drag, &DragController::dragDrop);
        QSignalSpy onForm(drag, &DragController::formDragDrop);
        QSignalSpy ended(drag, &DragController::dragEnded);
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        QTest::mouseMove(form, {150, 150});
        QTest::mouseRelease(form, Qt::LeftButton, {}, {150, 150});
        QCOMPARE(onForm.size(), 1);
        QCOMPARE(onForm[0][0].value<QWidget*>(), a);
        QCOMPARE(onForm[0][1].toPoint(), QPoint(150, 150));

        QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(form, Qt::LeftButton, {}, {400, 250});
        QCOMPARE(onForm.size(), 1);
        QCOMPARE(dropped.size(), 0);
        QCOMPARE(ended.size(), 2);
    }

    void dragOverTheBareFormIsReportedButNotOverAChildOrOutside() {
        QFrame* unregistered = control({10, 100, 40, 40});
        unregistered->show();
        QSignalSpy over(drag, &DragController::dragOver);
        QSignalSpy bare(drag, &DragController::formDragOver);
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5}); // a has no icon: the outline follows
        QTest::mouseMove(form, {150, 150});
        QTest::mouseMove(form, onForm(unregistered));
        QTest::mouseMove(form, onForm(b));
        QTest::mouseMove(form, {400, 250});
        QCOMPARE(bare.size(), 1);
        QCOMPARE(bare[0][0].value<QWidget*>(), a);
        QCOMPARE(bare[0][1].toPoint(), QPoint(150, 150));
        QCOMPARE(over.size(), 2); // the source, then b
        QTest::mouseRelease(form, Qt::LeftButton, {}, {400, 250});
    }

    void outlineFollowsThePointerUnlessADragIconIsSet() {
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        auto outlines = form->findChildren<QWidget*>();
        QWidget* outline = nullptr;
        for (QWidget* w : outlines)
            if (w != a && w != b && w != c && w->isVisible())
                outline = w;
        QVERIFY(outline);
        QCOMPARE(outline->size(), a->size());
        QTest::mouseMove(form, {150, 100});
        QCOMPARE(outline->pos(), QPoint(145, 95));
        QTest::mouseRelease(form, Qt::LeftButton, {}, {150, 100});
        QVERIFY(!outline->isVisible());

        drag->setDragIcon(b, QPixmap(16, 16));
        QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
        QVERIFY(drag->dragging());
        QVERIFY(!outline->isVisible());
        QTest::mouseRelease(form, Qt::LeftButton, {}, {150, 100});
    }

    void manualControlsDragOnlyWhenCodeSaysSo() {
        QSignalSpy dropped(drag, &DragController::dragDrop);
        QTest::mousePress(c, Qt::LeftButton, {}, {5, 5});
        QVERIFY(!drag->dragging());
        QTest::mouseRelease(c, Qt::LeftButton, {}, {5, 5});

        QTest::mousePress(c, Qt::LeftButton, {}, {5, 5});
        drag->beginDrag(c);
        QVERIFY(drag->dragging());
        QCOMPARE(drag->source(), c);
        QTest::mouseMove(form, onForm(a));
        QTest::mouseRelease(form, Qt::LeftButton, {}, onForm(a));
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped[0][0].value<QWidget*>(), a);
        QCOMPARE(dropped[0][1].value<QWidget*>(), c);

        drag->beginDrag(c);
        drag->cancelDrag();
        QVERIFY(!drag->dragging());
        QCOMPARE(dropped.size(), 1);
    }

    void theSourcesIconMayChangeDuringTheDrag() {
        drag->setDragIcon(a, QPixmap(16, 16));
        connect(drag, &DragController::dragOver, this, [this](QWidget* target) {
            if (target == b)
                drag->setDragIcon(a, QPixmap(24, 24));
            else if (target == c)
                drag->setDragIcon(a, QPixmap());
        });
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->pixmap().size(), QSize(16, 16));
        QTest::mouseMove(form, onForm(b));
        QCOMPARE(QApplication::overrideCursor()->pixmap().size(), QSize(24, 24));
        drag->setDragIcon(b, QPixmap(8, 8)); // not the source: the pointer stays
        QCOMPARE(QApplication::overrideCursor()->pixmap().size(), QSize(24, 24));
        QTest::mouseMove(form, onForm(c, {10, 10}));
        QVERIFY(!QApplication::overrideCursor());
        QWidget* outline = nullptr;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w != a && w != b && w != c && w->isVisible())
                outline = w;
        QVERIFY(outline);
        QCOMPARE(outline->pos(), onForm(c, {5, 5}));
        QTest::mouseRelease(form, Qt::LeftButton, {}, onForm(c, {10, 10}));
        QVERIFY(!outline->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void aBoxShownDuringTheDragEndsIt() {
        drag->setDragIcon(a, QPixmap(16, 16));
        QDialog box(form);
        box.setModal(true);
        connect(drag, &DragController::dragOver, this,
                [&box, this](QWidget* target, QWidget* source) {
                    if (target == b && source == a)
                        box.show();
                });
        QSignalSpy dropped(drag, &DragController::dragDrop);
        QSignalSpy onForm(drag, &DragController::formDragDrop);
        QSignalSpy ended(drag, &DragController::dragEnded);
        QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
        QTest::mouseMove(form, this->onForm(b));
        QVERIFY(box.isVisible());
        QVERIFY(!drag->dragging());
        QCOMPARE(ended.size(), 1);
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseRelease(&box, Qt::LeftButton, {}, {5, 5});
        box.hide();

        // The next click on the background is no drop of the old drag.
        QTest::mouseClick(form, Qt::LeftButton, {}, {150, 150});
        QCOMPARE(onForm.size(), 0);
        QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped[0][1].value<QWidget*>(), b);
    }

    void aFormInsideAWindow() {
        QWidget window;
        auto* inner = new QWidget(&window);
        inner->setGeometry(20, 20, 200, 100);
        auto* piece = new QFrame(inner);
        piece->setGeometry(10, 10, 30, 30);
        DragController innerDrag(inner);
        innerDrag.addControl(piece);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy onForm(&innerDrag, &DragController::formDragDrop);
        // A click on the background goes on to the window, which the drag leaves alone.
        QTest::mouseClick(inner, Qt::LeftButton, {}, {150, 50});
        QTest::mouseClick(&window, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(onForm.size(), 0);
        QDialog box(&window);
        box.setModal(true);
        QTest::mousePress(piece, Qt::LeftButton, {}, {5, 5});
        QVERIFY(innerDrag.dragging());
        box.show();
        QVERIFY(!innerDrag.dragging());
    }

    void hiddenControlsAreNoTargets() {
        b->hide();
        QCOMPARE(drag->controlAt(onForm(b)), nullptr);
        QCOMPARE(drag->controlAt(onForm(a)), a);
    }
};

QTEST_MAIN(DragControllerTest)
#include "dragcontroller_test.moc"
