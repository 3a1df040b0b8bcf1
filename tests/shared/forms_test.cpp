#include "platform/twips.h"
#include "platform/window.h"
#include "shared/aboutbox.h"
#include "shared/splash.h"
#include "windowchecks.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace shared;

namespace {

// Clicks the about box's OK as soon as it is up.
void pressOkWhenShown(std::function<void(AboutBox*)> check = {}) {
    QTimer::singleShot(0, [check] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<AboutBox*>(window);
            if (!box || !box->isVisible())
                continue;
            if (check)
                check(box);
            QTest::mouseClick(box->Command1, Qt::LeftButton);
        }
    });
}

} // namespace

class FormsTest : public QObject {
    Q_OBJECT
  private slots:
    void splashUnloadsItselfAfterItsInterval() {
        QElapsedTimer clock;
        clock.start();
        Splash splash(300);
        QTimer::singleShot(50, [&] { QVERIFY(splash.isVisible()); });
        splash.exec();
        QVERIFY(clock.elapsed() >= 290);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.client->size(), platform::twipsSize(4680, 3195));
        QCOMPARE(splash.size(), splash.client->size() + QSize(2, 2)); // the thin border
        QVERIFY(isCentredOnScreen(&splash));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.Label1->geometry(), platform::twipsRect(0, 2880, 2415, 255));
    }

    void onlyTheTimerClosesTheSplash() {
        Splash splash(200);
        bool stillOpen = false;
        QTimer::singleShot(50, [&] {
            QTest::keyClick(&splash, Qt::Key_Escape);
            splash.close();
            stillOpen = splash.isVisible();
        });
        splash.exec();
        QVERIFY(stillOpen);
        QVERIFY(!splash.isVisible());
    }

    // Over a window on the screen (Nibbolet's New Game) the splash is modal. Alone at start-up
    // it has nothing to block and waits in its own loop, sparing the modal close.
    void splashIsModalOnlyOverAShownWindow() {
        qputenv("QUIBLAX_SPLASH_MS", "200");
        for (const bool windowShown : {false, true}) {
            QWidget window;
            window.setVisible(windowShown);
            QElapsedTimer clock;
            clock.start();
            QWidget* modal = nullptr;
            bool shown = false;
            QTimer::singleShot(50, [&] {
                modal = QApplication::activeModalWidget();
                for (QWidget* each : QApplication::topLevelWidgets())
                    shown = shown || (qobject_cast<Splash*>(each) && each->isVisible());
            });
            Splash::showModal();
            QVERIFY(clock.elapsed() >= 190);
            QVERIFY(shown);
            QCOMPARE(modal != nullptr, windowShown);
        }
        qputenv("QUIBLAX_SPLASH_MS", "0");
    }

    // The title art reads fast as a palette picture that keeps the art's own colours.
    void splashArtIsAPalettePictureInItsOwnColours() {
        const QImage art(":/art/splash.bmp");
        QCOMPARE(art.format(), QImage::Format_Indexed8);
        QCOMPARE(art.size(), QSize(318, 231));
        for (QRgb colour : {0xFFFDF6E3, 0xFFD33A2C, 0xFF2F6FD1, 0xFF7A2E8C})
            QVERIFY(art.colorTable().contains(colour));
        // Drawn unscaled from the client's top-left corner and clipped; the notice line lies
        // below the part compared.
        Splash splash(60000);
        const QRect above(0, 0, splash.client->width(), splash.Label1->y());
        QCOMPARE(splash.client->grab(above).toImage().convertToFormat(QImage::Format_RGB32),
                 art.copy(above).convertToFormat(QImage::Format_RGB32));
    }

    void splashIntervalIsFiveSecondsUnlessShortenedForTests() {
        qunsetenv("QUIBLAX_SPLASH_MS");
        QCOMPARE(Splash::defaultIntervalMs(), 5000);
        qputenv("QUIBLAX_SPLASH_MS", "0");
        QCOMPARE(Splash::defaultIntervalMs(), 0);
        qputenv("QUIBLAX_SPLASH_MS", "soon");
        QCOMPARE(Splash::defaultIntervalMs(), 5000);
        qputenv("QUIBLAX_SPLASH_MS", "0");
    }

    void everyGameHasItsRow() {
        const struct {
            AboutGame game;
            const char* windowClass;
            const char* caption;
            const char* title;
            bool hides;
            QSize client;
        } rows[] = {
            {AboutGame::Squares, "SquaresAbout", "About", "QUIBLAX Squares", false, {3795, 2235}},
            {AboutGame::Pelmora, "aboutit", "About Pelmora", "Pelmora", false, {3795, 2295}},
            {AboutGame::Kavrinth, "aboutit", "About Kavrinth", "Kavrinth", false, {3795, 2310}},
            {AboutGame::Hangman, "Form5", "About Hangman", "HangMan", true, {3780, 2295}},
            {AboutGame::Nibbolet, "aboutit", "About Nibbolet", "Nibbolet", false, {3795, 2340}},
            {AboutGame::Gimbo, "HexAbout", "About", "GimboAgram", true, {3795, 2415}},
            {AboutGame::Maze, "aboutit", "About QUIBLAX Maze", "QUIBLAX Maze", false, {3795, 2295}},
            {AboutGame::Pattern, "aboutit", "About Lumbrisk", "Lumbrisk", false, {3795, 3975}},
        };
        for (const auto& row : rows) {
            const AboutLayout& layout = aboutLayout(row.game);
            QCOMPARE(layout.windowClass, QString(row.windowClass));
            QCOMPARE(layout.caption, QString(row.caption));
            QCOMPARE(layout.title, QString(row.title));
            QCOMPARE(layout.okHides, row.hides);
            QCOMPARE(layout.client, row.client);
            QCOMPARE(layout.contact.has_value(), row.game == AboutGame::Pattern);
        }
        QCOMPARE(aboutLayout(AboutGame::Gimbo).ok, QRect(1200, 1680, 1455, 345));
        QCOMPARE(aboutLayout(AboutGame::Nibbolet).ok.left(), 1080);
        QCOMPARE(aboutLayout(AboutGame::Hangman).titleLabelName, QString("Label10"));
    }

    void squaresAboutIsLaidOutAndFocusesOk() {
        AboutBox box(aboutLayout(AboutGame::Squares), QPixmap(32, 32));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(box.windowTitle(), QString("About"));
        QCOMPARE(box.titleLabel->text(), QString("QUIBLAX Squares"));
        QCOMPARE(box.size(), platform::twipsSize(3795, 2235));
        QCOMPARE(box.Picture1->geometry(), platform::twipsRect(585, 645, 585, 495));
        QCOMPARE(box.Command1->geometry(), platform::twipsRect(1140, 1560, 1455, 345));
        QCOMPARE(box.Command1->text(), QString("OK"));
        QCOMPARE(QApplication::focusWidget(), box.Command1);
        QVERIFY(isCentredOnScreen(&box));
    }

    void patternAboutCarriesTheContactBlock() {
        AboutBox box(aboutLayout(AboutGame::Pattern), QPixmap(32, 32));
        auto* heading = box.findChild<QLabel*>("Label7");
        QVERIFY(heading);
        QCOMPARE(heading->text(), QString("HOW TO REACH ME"));
        QStringList lines;
        for (const char* name : {"Label8", "Label3", "Label5", "Label4", "Label6"}) {
            auto* label = box.findChild<QLabel*>(name);
            QVERIFY(label);
            QVERIFY(!label->font().bold());
            lines << label->text();
        }
        QCOMPARE(lines, contactLines());
        QCOMPARE(box.findChild<QLabel*>("Label8")->geometry(),
                 platform::twipsRect(1080, 1875, 1860, 270));
    }

    void hangmanAboutStartsOnTheIconAndEscPressesOk() {
        AboutBoxHost host(AboutGame::Hangman, QPixmap(32, 32), nullptr);
        QWidget* focused = nullptr;
        QTimer::singleShot(0, [&host, &focused] {
            AboutBox* box = host.loaded();
            if (QTest::qWaitForWindowActive(box))
                focused = QApplication::focusWidget();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        host.showModal();
        QVERIFY(host.loaded() && !host.loaded()->isVisible());
        QCOMPARE(focused, host.loaded()->Picture1);
    }

    void enterPressesTheFocusedOk() {
        AboutBoxHost host(AboutGame::Squares, QPixmap(32, 32), nullptr);
        bool closedByEnter = true;
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<AboutBox*>(window); box && box->isVisible()) {
                    (void)QTest::qWaitForWindowActive(box);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
        });
        // Should Enter not close it, OK is clicked after a while and the test fails.
        QTimer::singleShot(3000, [&closedByEnter] {
            closedByEnter = false;
            pressOkWhenShown();
        });
        host.showModal();
        QVERIFY(closedByEnter);
    }

    void aHidingBoxClosedFromItsTitleBarIsUnloaded() {
        AboutBoxHost host(AboutGame::Hangman, QPixmap(32, 32), nullptr);
        QTimer::singleShot(0, [&host] { host.loaded()->close(); });
        host.showModal();
        QCOMPARE(host.loaded(), nullptr);
    }

    void unloadingBoxOpensCentredEachTime() {
        AboutBoxHost host(AboutGame::Squares, QPixmap(32, 32), nullptr);
        int shown = 0;
        for (int i = 0; i < 2; ++i) {
            pressOkWhenShown([&](AboutBox* box) {
                QVERIFY(isCentredOnScreen(box));
                box->move(5, 5);
                ++shown;
            });
            host.showModal();
            QCOMPARE(host.loaded(), nullptr);
        }
        QCOMPARE(shown, 2);
    }

    void hidingBoxKeepsItsPlaceTheSecondTime() {
        AboutBoxHost host(AboutGame::Gimbo, QPixmap(32, 32), nullptr);
        pressOkWhenShown([](AboutBox* box) { box->move(7, 9); });
        host.showModal();
        AboutBox* first = host.loaded();
        QVERIFY(first);
        pressOkWhenShown([first](AboutBox* box) {
            QCOMPARE(box, first);
            QCOMPARE(box->pos(), QPoint(7, 9));
        });
        host.showModal();
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
