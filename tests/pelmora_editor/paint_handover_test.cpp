#include "editorfixture.h"
#include "platform/helplaunch.h"

#include <QElapsedTimer>
#include <QTimer>

using pelmora::editor::Form3;

namespace {

// Stand-ins for the paint program: shell scripts that say when their window is shown, as
// our paint program does where there is no window search.
const QByteArray Shown = "printf 'Pelmtemp.bmp - Paint' > \"$QUIBLAX_SHOWN_MARKER\"\n";

struct HandOverFixture : EditorFixture {
    void SetUp() override {
        EditorFixture::SetUp();
        services.runPrograms = true;
        form->paintOpenTimeoutMs = 400;
    }
    void TearDown() override {
        qunsetenv(platform::PaintProgramVariable);
        EditorFixture::TearDown();
    }
    void usePaint(const QByteArray& body) {
        const QString path = dir.filePath("paint.sh");
        write(path, "#!/bin/sh\n" + body);
        QFile(path).setPermissions(QFile::permissions(path) | QFileDevice::ExeOwner);
        qputenv(platform::PaintProgramVariable, path.toLocal8Bit());
    }
};

} // namespace

TEST_F(HandOverFixture, APaintedPictureComesBackAndMarksThePuzzleChanged) {
    shared::saveBitmap(dir.filePath("edited.bmp"), filled(Qt::blue), nullptr);
    usePaint("cp \"$1\" handed.bmp\n" + Shown + "sleep 0.6\ncp edited.bmp \"$1\"\n");
    int during = -1;
    QImage shown;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(300, [&] { // part way through, while paint has the picture
        during = form->EditState;
        shown = form->picture();
    });
    click(form->Command4);
    const qint64 took = clock.elapsed();

    EXPECT_EQ(during, Form3::Painting);
    EXPECT_EQ(shown, picture("Waiting.bmp"));
    EXPECT_EQ(form->picture(), filled(Qt::blue));
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_EQ(picture("handed.bmp"), picture("empty.bmp"));
    ASSERT_EQ(services.started.size(), 1);
    EXPECT_EQ(services.started[0].second, QStringList({"PelmTemp.bmp"}));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].prompt.startsWith("The image that is displayed (if any)"));
    EXPECT_EQ(services.messages[0].title, "About to run Paint Brush");
    // The editor asked about every 100 ms for its three titles, not without pause.
    EXPECT_LE(services.windowSearches, 3 * (took / 100 + 3));
}

TEST_F(HandOverFixture, APaintProgramStartedThroughALauncherThatReturnsAtOnceIsWaitedFor) {
    shared::saveBitmap(dir.filePath("edited.bmp"), filled(Qt::blue), nullptr);
    usePaint("(sleep 0.3\n" + Shown + "sleep 0.3\ncp edited.bmp \"$1\") &\n");
    click(form->Command4);
    EXPECT_EQ(form->picture(), filled(Qt::blue));
    EXPECT_EQ(services.messages.size(), 1);
}

TEST_F(HandOverFixture, APaintProgramThatNeverOpensAWindowIsGivenUpOn) {
    const struct {
        QByteArray paint;
        int timeoutMs;
        QString says;
    } rows[] = {
        {"sleep 1\n", 400, "Paint Brush did not open its window within 0 seconds"},
        // One that ends is not waited for.
        {"exit 0\n", 20000, "Paint Brush has ended without opening its window."},
    };
    for (const auto& row : rows) {
        usePaint(row.paint);
        form->paintOpenTimeoutMs = row.timeoutMs;
        services.messages.clear();
        type("Cat");
        form->EditState = Form3::Clean;
        QElapsedTimer clock;
        clock.start();
        click(form->Command4);
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(form->EditState, Form3::Clean);
        EXPECT_EQ(form->picture(), picture("empty.bmp"));
        ASSERT_EQ(services.messages.size(), 2);
        EXPECT_TRUE(services.messages[1].prompt.startsWith(row.says))
            << services.messages[1].prompt.toStdString();
    }
}

TEST_F(HandOverFixture, APictureThatDoesNotComeBackLeavesTheEarlierOne) {
    usePaint(Shown + "sleep 0.3\nrm -f \"$1\"\n");
    type("Cat");
    click(form->Command4);
    EXPECT_EQ(form->picture(), picture("empty.bmp"));
    EXPECT_EQ(form->EditState, Form3::Modified);
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[1].prompt,
              "The picture cannot be read back from PelmTemp.bmp.  It does not exist.  The "
              "editor keeps the picture it had before.");
}

TEST_F(HandOverFixture, APaintProgramThatCannotBeStartedChangesNothing) {
    qputenv(platform::PaintProgramVariable, dir.filePath("no-such-paint").toLocal8Bit());
    click(form->Command4);
    EXPECT_EQ(form->EditState, Form3::Clean);
    EXPECT_TRUE(services.started.isEmpty());
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_TRUE(services.messages[1].prompt.contains("cannot be found"));
}

TEST_F(HandOverFixture, AnEditorClosedWhilePaintRunsStopsWaitingAndIsNotWrittenInto) {
    usePaint(Shown + "i=0\nwhile [ ! -e gate ] && [ $i -lt 40 ]; do sleep 0.05; i=$((i+1)); done\n"
                     "cp edited.bmp \"$1\"\n");
    shared::saveBitmap(dir.filePath("edited.bmp"), filled(Qt::blue), nullptr);
    services.messageAnswers = {platform::Answer::Ok, platform::Answer::Yes};
    QTimer::singleShot(300, [&] { click(form->Command2); });
    click(form->Command4);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(services.messages.last().title, "Close during edit?");
    // Paint then saves and ends: the closed editor is still not written into.
    write(dir.filePath("gate"), "");
    for (int i = 0; i < 60 && picture("PelmTemp.bmp") != filled(Qt::blue); ++i)
        QTest::qWait(50);
    EXPECT_EQ(picture("PelmTemp.bmp"), filled(Qt::blue));
    EXPECT_EQ(form->picture(), picture("Waiting.bmp"));
}

TEST_F(HandOverFixture, OurPaintProgramSaysWhenItsWindowIsShown) {
    // Our paint program runs for a while under a script that then ends it.
    usePaint("\"" + QDir(suite).filePath("paint").toLocal8Bit() +
             "\" \"$1\" & painter=$!\nsleep 1.5\nkill $painter\nwait $painter\n");
    form->paintOpenTimeoutMs = 10000;
    click(form->Command4);
    EXPECT_EQ(services.messages.size(), 1);
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_EQ(form->picture(), picture("empty.bmp"));
}
