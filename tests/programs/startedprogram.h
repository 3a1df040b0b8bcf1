#pragma once

#include "nibbolet/nibbolet.h"
#include "scriptedservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A program's main window started as its main() starts it: made, loaded, shown.
using StartProgram = std::function<std::unique_ptr<QWidget>()>;

template <class MainWindow> std::unique_ptr<QWidget> started() {
    auto window = std::make_unique<MainWindow>();
    window->Form_Load();
    window->show();
    return window;
}

// Nibbolet asks who plays before its window shows: one player against the computer.
inline std::unique_ptr<QWidget> startedAgainstTheComputer() {
    auto& services = dynamic_cast<ScriptedServices&>(platform::services());
    services.messageAnswers = {platform::Answer::No};
    services.inputAnswers = {QString("Player")};
    return started<nibbolet::Nibbolet>();
}

// The programs read and rewrite their data and settings files: they start in a folder of
// their own holding a copy of the suite's data, with its own Windows folder.
class ProgramFolder {
  public:
    ProgramFolder() {
        const QDir suite(QCoreApplication::applicationDirPath());
        const QStringList data = {"*.HNG", "*.trv", "*.trh", "*.puz", "*.bmp"};
        for (const QString& name : suite.entryList(data, QDir::Files))
            EXPECT_TRUE(QFile::copy(suite.filePath(name), folder_.filePath(name)))
                << qPrintable(name);
        EXPECT_TRUE(QDir(folder_.path()).mkdir("windows"));
        qputenv("windir", folder_.filePath("windows").toLocal8Bit());
        QDir::setCurrent(folder_.path());
    }
    ~ProgramFolder() {
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        qunsetenv("windir");
    }

  private:
    QTemporaryDir folder_;
};
