#pragma once

#include "pelmora/editor/form3.h"
#include "scriptedservices.h"
#include "shared/bitmapfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The editor, loaded in a temporary working folder that holds its two data pictures, with
// scripted boxes and dialogs, driven with real clicks and keys.
struct EditorFixture : ::testing::Test {
    QString suite = QCoreApplication::applicationDirPath();
    QTemporaryDir dir{QDir::tempPath() + "/editor-XXXXXX"};
    QString previous = QDir::currentPath();
    ScriptedServices services;
    std::unique_ptr<pelmora::editor::Form3> form;

    void SetUp() override {
        QApplication::setApplicationName("Pelmora");
        for (const char* name : {"empty.bmp", "Waiting.bmp"})
            QFile::copy(QDir(suite).filePath(name), dir.filePath(name));
        QDir::setCurrent(dir.path());
        form = std::make_unique<pelmora::editor::Form3>();
        form->Form_Load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previous);
    }

    static QImage picture(const QString& path) {
        return shared::readPicture(path, nullptr).value_or(QImage());
    }
    static QImage filled(const QColor& colour) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    void type(const QString& text) {
        form->Text1->clear();
        // Qt Test types ASCII keys only; other text goes in as an input method would put it.
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(form->Text1, text);
        else
            form->Text1->insert(text);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};
