#include "platform/twips.h"
#include "platform/window.h"
#include "scriptedservices.h"
#include "shared/aboutlayout.h"
#include "suite/form1.h"
#include "windowchecks.h"

#include <QApplication>
#include <QTest>

// The suite's about window: what it shows, where the focus starts, and what OK does.
class Form1Test : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QApplication::setApplicationName("About QUIBLAX"); }

    void showsTheSuiteAndEndsTheProgramOnOk() {
        ScriptedServices services;
        suite::Form1 form;
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Centred before it was shown, by a frame not known then; by its frame once shown.
        QString where;
        QVERIFY2(isCentredOnScreen(&form, &where), qPrintable(where));

        QCOMPARE(form.windowTitle(), QString("About QUIBLAX Board Games"));
        QVERIFY(form.minimumSize() != form.maximumSize()); // sizable
        QCOMPARE(form.Label1->text(), QString("QUIBLAX Board Games"));
        QVERIFY(form.Label1->font().bold() && form.Label7->font().bold());
        QCOMPARE(form.Label7->text(), shared::contactHeading());
        QStringList lines;
        for (QLabel* label : form.contactLabels)
            lines << label->text();
        QCOMPARE(lines, shared::contactLines());
        QCOMPARE(form.contactLabels[4]->objectName(), QString("Label6"));
        QCOMPARE(form.contactLabels[4]->geometry(), platform::twipsRect(1185, 3225, 1860, 270));
        QCOMPARE(form.Command1->geometry(), platform::twipsRect(1245, 3825, 1455, 315));
        // Every text is read whole: none runs past its label.
        for (QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label == form.Picture1)
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }

        QCOMPARE(QApplication::focusWidget(), form.Picture1);
        QTest::keyClick(form.Picture1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command1);

        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(services.endRequests, 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
