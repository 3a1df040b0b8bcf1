#include "platform/startedprograms.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A shell program in a temporary folder.
QString script(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

// Asks until the answer is the wanted one or five seconds have passed.
bool becomes(bool wanted, const std::function<bool()>& ask) {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (ask() == wanted)
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace

TEST(StartedPrograms, AWindowCountsWhileItsProgramRunsAndHasShownIt) {
    QTemporaryDir dir;
    const QString gate = dir.filePath("gate");
    const QString program = script(dir, "painter",
                                   "printf 'Cat.bmp - Paint' > \"$QUIBLAX_SHOWN_MARKER\"\n"
                                   "while [ ! -e \"$1\" ]; do sleep 0.05; done\n");
    platform::StartedPrograms started;
    EXPECT_FALSE(started.windowShown("Cat.bmp - Paint"));
    ASSERT_TRUE(started.start(program, {gate}));
    EXPECT_TRUE(becomes(true, [&] { return started.windowShown("Cat.bmp - Paint"); }));
    EXPECT_FALSE(started.windowShown("Dog.bmp - Paint"));
    QFile(gate).open(QIODevice::WriteOnly);
    EXPECT_TRUE(becomes(false, [&] { return started.windowShown("Cat.bmp - Paint"); }));
}

TEST(StartedPrograms, AProgramThatShowsNothingHasNoWindowAndAMissingOneDoesNotStart) {
    QTemporaryDir dir;
    platform::StartedPrograms started;
    const QString quiet = script(dir, "quiet", "sleep 0.3\n");
    ASSERT_TRUE(started.start(quiet, {}));
    EXPECT_FALSE(started.windowShown(""));
    EXPECT_TRUE(started.runs(quiet));
    EXPECT_FALSE(started.runs(dir.filePath("other")));
    EXPECT_TRUE(becomes(false, [&] { return started.runs(quiet); }));
    EXPECT_FALSE(started.start(dir.filePath("nowhere"), {}));
    EXPECT_FALSE(started.runs(dir.filePath("nowhere")));
}

TEST(StartedPrograms, AnEndedOrUnknownProcessDoesNotRun) {
    EXPECT_TRUE(platform::processRuns(QCoreApplication::applicationPid()));
    EXPECT_FALSE(platform::processRuns(0));
    EXPECT_FALSE(platform::processRuns(-1));
    EXPECT_FALSE(platform::processRuns(4194304 + 1));
}
