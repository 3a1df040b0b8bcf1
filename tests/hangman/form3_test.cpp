#include "hangman/form3.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "testfiles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace hangman;

// The puzzle editor driven with real clicks and keys, with scripted boxes and dialogs.
class Form3Test : public QObject {
    Q_OBJECT

    QTemporaryDir* work = nullptr;
    ScriptedServices* services = nullptr;
    Form3* editor = nullptr;

    void fill(const QString& clue, const QString& answer) {
        editor->WhatClue->setText(clue);
        editor->WhatAnswer->setText(answer);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString entryLine() const { return editor->Label4->text(); }
    QString file(const char* name) const { return work->filePath(name); }

  private slots:
    void initTestCase() { QApplication::setApplicationName("Hangman"); }
    void init() {
        work = new QTemporaryDir;
        services = new ScriptedServices;
        editor = new Form3(nullptr);
        editor->EditorFresh = true;
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup() {
        delete editor;
        delete services;
        delete work;
    }

    void aFreshSetRefusesToLeaveAnUnfinishedEntry() {
        QCOMPARE(editor->size(), platform::twipsSize(5985, 2925));
        QCOMPARE(editor->WhatPuzzle->text(), QString("Untitled"));
        QCOMPARE(QApplication::focusWidget(), editor->WhatPuzzle);
        const QString cantMake = "You can't make a new entry until you have filled in this one.";
        const QString cantMove = "You can't move to a new entry until you have filled in this one.";
        click(editor->Command1);
        click(editor->Command3);
        click(editor->Command4);
        QCOMPARE(services->prompts(), QStringList({cantMake, cantMove, cantMove}));
        QCOMPARE(services->messages[0].title, QString("Oops"));
        QCOMPARE(entryLine(), QString("Entry  1 of  1"));
        fill("France", "Paris");
        click(editor->Command1);
        fill("Peru", "Lima");
        click(editor->Command1);
        QTest::keyClicks(editor->WhatClue, "Half done");
        click(editor->Command2); // the unfinished last entry is dropped
        QCOMPARE(entryLine(), QString("Entry  2 of  2"));
        click(editor->Command4);
        QCOMPARE(editor->WhatClue->text(), QString("France"));
        click(editor->Command3);
        click(editor->Command1); // and keeps what was typed there
        QCOMPARE(entryLine(), QString("Entry  3 of  3"));
        QCOMPARE(editor->WhatClue->text(), QString("Half done"));
        QCOMPARE(services->messages.size(), 3);
        editor->setWindowState(Qt::WindowMinimized); // restored, it keeps the set
        editor->setWindowState(Qt::WindowNoState);
        QCOMPARE(entryLine(), QString("Entry  3 of  3"));
    }

    void theNextButtonStopsAtAHundredEntries() {
        for (int i = 1; i <= 100; ++i) {
            fill("c", "a");
            click(editor->Command1);
        }
        QCOMPARE(services->prompts(), QStringList({"100 is the maximum number of entries."}));
        QCOMPARE(entryLine(), QString("Entry  100 of  100"));
        // A loaded set may hold more: the button steps through it but adds nothing past it.
        for (const int count : {150, 256}) {
            QByteArray set = "Many\r\n " + QByteArray::number(count) + ", 0\r\n";
            for (int i = 1; i <= count; ++i)
                set += "c" + QByteArray::number(i) + ", a\r\n";
            QVERIFY(write(file("many.hng"), set));
            services->fileAnswers = {file("many.hng")};
            click(editor->Command5);
            for (int i = 1; i < count; ++i)
                click(count == 150 ? editor->Command1 : editor->Command3);
            QCOMPARE(editor->WhatClue->text(), QString("c%1").arg(count));
            click(editor->Command1);
            QCOMPARE(entryLine(), QString("Entry  %1 of  %1").arg(count));
            QCOMPARE(editor->WhatClue->text(), QString("c%1").arg(count));
        }
        QCOMPARE(services->prompts().size(), 3);
    }

    void commasLeaveTheClueWithAMessageEachAndAnyOtherCharacterStays() {
        QTest::keyClicks(editor->WhatClue, "Big, Apple");
        QCOMPARE(editor->WhatClue->text(), QString("Big Apple"));
        QCOMPARE(services->prompts(), QStringList({"Hangman is removing the comma."}));
        QCOMPARE(services->messages[0].title, QString("Invalid Character"));
        editor->WhatClue->setText(",a,b");
        QCOMPARE(editor->EntryClue[1], QString("ab"));
        const QString tokyo = QString::fromUtf8("\u6771\u4eac");
        for (QChar c : tokyo) // typed as a keyboard would
            QTest::sendKeyEvent(QTest::Click, editor->WhatClue, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        editor->WhatPuzzle->setText(tokyo);
        QCOMPARE(editor->EntryClue[1], "ab" + tokyo);
        QCOMPARE(editor->WhatPuzzle->text(), tokyo);
        QCOMPARE(services->messages.size(), 3);
        QTest::keyClicks(editor->WhatAnswer, QString(40, 'x'));
        QCOMPARE(editor->EntryAnswer[1].size(), 31);
    }

    void saveWritesTheSetAndDropsTheUnfinishedLastEntry() {
        editor->WhatPuzzle->setText("Two, and more");
        fill("France", "Paris");
        click(editor->Command1);
        fill(" USA ", "New York ");
        click(editor->Command1);
        QTest::keyClicks(editor->WhatClue, "unfinished");
        // The chosen name as it stands: "\\" is part of it and names no folder.
        QVERIFY(QDir(work->path()).mkdir("bs") && write(file("bs/new.hng"), "other"));
        services->fileAnswers = {file("bs\\new.hng")};
        click(editor->Command6);
        QVERIFY(services->fileDialogs[0].save && !services->fileDialogs[0].confirmOverwrite);
        QCOMPARE(contentOf(file("bs\\new.hng")),
                 QByteArray("\"Two, and more\"\r\n 2, 0\r\nFrance, Paris\r\n USA , New York \r\n"));
        QCOMPARE(contentOf(file("bs/new.hng")), QByteArray("other"));
        QCOMPARE(entryLine(), QString("Entry  2 of  2"));
        QVERIFY(services->messages.isEmpty());
    }

    void aSetIsSavedInTheEncodingItWasLoadedInElseSingleByteWhereItFits() {
        const QByteArray utf8 = "Caf\xc3\xa9\r\n 1, 0\r\nParis, Ville\r\n";
        QVERIFY(write(file("utf8.hng"), utf8));
        services->fileAnswers = {file("utf8.hng"), file("again.hng")};
        click(editor->Command5);
        click(editor->Command6);
        QCOMPARE(contentOf(file("again.hng")), utf8);
        const auto saveNew = [this](const QString& answer, const char* name) {
            editor->EditorFresh = true;
            editor->Form_Activate();
            editor->WhatPuzzle->setText(QString::fromUtf8("Caf\u00e9"));
            fill("Paris", answer);
            services->fileAnswers = {file(name)};
            click(editor->Command6);
            return contentOf(file(name));
        };
        QCOMPARE(saveNew("Ville", "new.hng"), QByteArray("Caf\xe9\r\n 1, 0\r\nParis, Ville\r\n"));
        QCOMPARE(saveNew(QString::fromUtf8("\u6771\u4eac"), "tokyo.hng"),
                 QByteArray("Caf\xc3\xa9\r\n 1, 0\r\nParis, \xe6\x9d\xb1\xe4\xba\xac\r\n"));
        QVERIFY(services->messages.isEmpty());
    }

    void saveAsksBeforeReplacingAndAFailedSaveChangesNothing() {
        click(editor->Command6);          // nothing to save yet
        fill("Big Apple", "\"NY\" City"); // would read back as NY alone
        click(editor->Command6);
        QVERIFY(services->fileDialogs.isEmpty() && services->messages.size() == 2);
        QVERIFY(services->prompts()[1].startsWith("Entry 1 cannot be stored"));
        QVERIFY(write(file("old.hng"), "old"));
        fill("France", "Paris");
        click(editor->Command1);
        services->fileAnswers = {file("old.hng"), file("missing/x.hng")};
        services->messageAnswers = {platform::Answer::Ok, platform::Answer::No};
        click(editor->Command6);
        QCOMPARE(services->prompts()[2], file("old.hng") + " already exists!  OverWrite?");
        QCOMPARE(services->messages[2].title, QString("Hangman - Overwrite?"));
        QCOMPARE(contentOf(file("old.hng")), QByteArray("old"));
        click(editor->Command6);
        QVERIFY(services->prompts()[3].startsWith("The puzzle set cannot be saved as"));
        QCOMPARE(entryLine(), QString("Entry  2 of  2"));
    }

    void loadReadsASetAndABadOneLeavesTheEditorAsItWas() {
        fill("Kept", "Entry");
        QVERIFY(write(file("bad.hng"), "Bad\r\n 2, 0\r\nA, B\r\n"));
        QVERIFY(
            write(file("g\\ood.hng"),
                  "World Capitals of Every Land\r\n 2\r\n 1\r\nFrance\r\nParis\r\nPeru, Lima\r\n"));
        services->fileAnswers = {file("bad.hng"), file("g\\ood.hng")};
        click(editor->Command5);
        QVERIFY(services->prompts()[0].contains("cannot be loaded"));
        QCOMPARE(editor->WhatClue->text(), QString("Kept"));
        QCOMPARE(editor->WhatPuzzle->text(), QString("Untitled"));
        click(editor->Command5);
        QCOMPARE(editor->WhatPuzzle->text(), QString("World Capitals of Every Land"));
        // Longer than its box, the title shows from its start.
        editor->WhatPuzzle->grab();
        QCOMPARE(editor->WhatPuzzle->cursorPosition(), 0);
        const QRect cursor = editor->WhatPuzzle->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(cursor.right() < editor->WhatPuzzle->width() / 4);
        QCOMPARE(entryLine(), QString("Entry  1 of  2"));
        QCOMPARE(editor->WhatClue->text(), QString("France"));
        click(editor->Command7);
        QVERIFY(!editor->isVisible());
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
