#include "paint/canvas.h"
#include "paint/paintwindow.h"
#include "scriptedservices.h"
#include "shared/bitmapfile.h"
#include "testfiles.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace paint;

namespace {

QImage white(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The paint window on a file in a temporary folder, driven with real mouse events.
struct PaintFixture : ::testing::Test {
    QTemporaryDir dir;
    ScriptedServices services;
    QString path = dir.filePath("PelmTemp.bmp");
    std::unique_ptr<PaintWindow> window;

    void open(const QImage& picture) {
        window = std::make_unique<PaintWindow>(path, picture);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void drag(QPoint from, QPoint to) {
        Canvas* canvas = window->canvas();
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    void useTool(Tool tool) { window->toolAction(tool)->trigger(); }
    void pickColour(int index) { QTest::mouseClick(window->paletteButtons[index], Qt::LeftButton); }
};

// The format the reader finds in a file; nothing when there is no file.
QByteArray formatOf(const QString& path) {
    QByteArray bytes = contentOf(path);
    QBuffer buffer(&bytes);
    return QImageReader(&buffer).format();
}

} // namespace

TEST_F(PaintFixture, TheTitleNamesTheFileAsTheEditorLooksForIt) {
    open(white(30, 20));
    EXPECT_EQ(window->windowHandle()->title(), "Pelmtemp.bmp - Paint");
    EXPECT_EQ(PaintWindow::titleFor("/x/Cat.BMP"), "Cat.bmp - Paint");
    // A name is shown as it is, "[*]" and all.
    path = dir.filePath("x[*]y.bmp");
    open(white(30, 20));
    EXPECT_EQ(window->windowHandle()->title(), "X[*]y.bmp - Paint");
}

TEST_F(PaintFixture, SaveWritesTheFormatTheNameSaysOrNothing) {
    const struct {
        const char* name;
        QByteArray format; // as the reader finds it; empty where Save refuses the name
    } rows[] = {{"pic.png", "png"}, {"pic.JPG", "jpeg"}, {"pic.gif", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        services.messages.clear();
        path = dir.filePath(row.name);
        open(white(30, 20));
        drag({1, 1}, {9, 9});
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(formatOf(path), row.format);
        EXPECT_EQ(window->modified(), row.format.isEmpty());
        if (row.format.isEmpty())
            EXPECT_EQ(
                services.prompts(),
                QStringList({QString(row.name) +
                             " could not be saved. A picture can be saved only under a name "
                             "that ends in .bmp, .png, .jpg or .jpeg, which says its format."}));
        else
            EXPECT_EQ(shared::readPicture(path, nullptr)->size(), QSize(30, 20));
    }
}

TEST_F(PaintFixture, DrawnShapesAreSavedAndReadBack) {
    open(white(60, 40));
    pickColour(10); // red
    useTool(Tool::FilledRectangle);
    drag({5, 5}, {14, 9});
    pickColour(14); // blue
    useTool(Tool::Line);
    drag({20, 30}, {50, 30});
    useTool(Tool::Pencil);
    drag({2, 38}, {8, 38});
    EXPECT_TRUE(window->modified());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->modified());
    EXPECT_EQ(contentOf(path).at(28), 24); // bits a pixel

    QString problem;
    const std::optional<QImage> saved = shared::readPicture(path, &problem);
    ASSERT_TRUE(saved) << problem.toStdString();
    EXPECT_EQ(*saved, window->canvas()->picture());
    EXPECT_EQ(saved->pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(saved->pixel(14, 9), qRgb(255, 0, 0));
    EXPECT_EQ(saved->pixel(15, 9), qRgb(255, 255, 255));
    EXPECT_EQ(saved->pixel(35, 30), qRgb(0, 0, 255));
    EXPECT_EQ(saved->pixel(35, 29), qRgb(255, 255, 255));
    EXPECT_EQ(saved->pixel(5, 38), qRgb(0, 0, 255));

    // Reopened, the picture carries on where it was left, and a fill fills the red box.
    window.reset();
    open(*saved);
    pickColour(12); // green
    useTool(Tool::Fill);
    QTest::mouseClick(window->canvas(), Qt::LeftButton, {}, {10, 7});
    EXPECT_EQ(window->canvas()->picture().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(window->canvas()->picture().pixel(35, 30), qRgb(0, 0, 255));
    useTool(Tool::Eraser);
    drag({35, 30}, {36, 30});
    EXPECT_EQ(window->canvas()->picture().pixel(35, 30), qRgb(255, 255, 255));
}

TEST_F(PaintFixture, ExitAsksAboutUnsavedChangesOnly) {
    open(white(30, 20));
    window->ExitItem->trigger();
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_FALSE(window->isVisible());

    open(white(30, 20));
    drag({1, 1}, {9, 9});
    services.messageAnswers = {platform::Answer::Cancel, platform::Answer::No};
    window->ExitItem->trigger();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(services.prompts(), QStringList({"Save changes to PelmTemp.bmp?"}));
    EXPECT_EQ(services.messages[0].buttons, platform::Buttons::YesNoCancel);
    window->ExitItem->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(path));

    // The file named on the command line as it stands: "\\" is part of its name.
    path = dir.filePath("sv\\PelmTemp.bmp");
    QDir(dir.path()).mkdir("sv");
    open(white(30, 20));
    drag({1, 1}, {9, 9});
    services.messageAnswers = {platform::Answer::Yes};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(*shared::readPicture(path, nullptr), window->canvas()->picture());
    EXPECT_FALSE(QFile::exists(dir.filePath("sv/PelmTemp.bmp")));
}

TEST_F(PaintFixture, ASaveThatCannotWriteSaysSoAndKeepsTheWindowOpen) {
    QDir(dir.path()).mkdir("PelmTemp.bmp");
    open(white(30, 20));
    drag({1, 1}, {9, 9});
    services.messageAnswers = {platform::Answer::Yes, platform::Answer::Ok};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->modified());
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[1].prompt,
              "PelmTemp.bmp could not be saved. It is a folder, not a file.");
}
