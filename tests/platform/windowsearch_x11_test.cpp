// Run on an X display by windowsearch_x11.sh: the search finds top-level windows of this
// program and of another one by their exact title, and stops finding them once they are gone.
#include "platform/windowsearch.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

bool becomes(bool wanted, const QString& title) {
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (platform::displayHasWindow(title) == wanted)
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

TEST(WindowSearchOnX, FindsAWindowOfThisProgramByItsExactTitle) {
    ASSERT_TRUE(platform::displayHasWindow("anything").has_value());
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QString::fromUtf8("Pelmtemp.bmp - Paint \u00e9"));
    window->show();
    EXPECT_TRUE(becomes(true, QString::fromUtf8("Pelmtemp.bmp - Paint \u00e9")));
    EXPECT_EQ(platform::displayHasWindow("Pelmtemp.bmp - Paint"), false);
    window.reset();
    EXPECT_TRUE(becomes(false, QString::fromUtf8("Pelmtemp.bmp - Paint \u00e9")));
}

TEST(WindowSearchOnX, FindsThePaintProgramsWindowWhileItRuns) {
    QTemporaryDir dir;
    QProcess paint;
    paint.setWorkingDirectory(dir.path());
    paint.start(QCoreApplication::applicationDirPath() + "/paint", {"PelmTemp.bmp"});
    ASSERT_TRUE(paint.waitForStarted());
    EXPECT_TRUE(becomes(true, "Pelmtemp.bmp - Paint"));
    paint.terminate();
    paint.waitForFinished();
    EXPECT_TRUE(becomes(false, "Pelmtemp.bmp - Paint"));
}
