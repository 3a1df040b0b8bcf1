#include "platform/helplaunch.h"
#include "platform/windowsearch.h"
#include "scriptedservices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A folder holding a stand-in viewer program, made the working directory with a help file.
struct HelpFolder {
    HelpFolder() : previous(QDir::currentPath()) {
        QFile viewer(dir.filePath("helpview"));
        viewer.open(QIODevice::WriteOnly);
        viewer.write("#!/bin/sh\n");
        viewer.close();
        viewer.setPermissions(viewer.permissions() | QFileDevice::ExeOwner);
        // Found ignoring case, like every name the games store.
        QFile help(dir.filePath("SQUARES.HLP"));
        help.open(QIODevice::WriteOnly);
        help.write("# Squares\n");
        help.close();
        QDir::setCurrent(dir.path());
    }
    ~HelpFolder() { QDir::setCurrent(previous); }
    QTemporaryDir dir;
    QString previous;
};

} // namespace

TEST(HelpLaunch, TheHelpViewerMapsToOurViewerBesideTheGame) {
    EXPECT_EQ(platform::programFor("winhlp32.exe", "/opt/suite"), "/opt/suite/helpview");
    EXPECT_EQ(platform::programFor("WINHLP32.EXE", "/opt/suite"), "/opt/suite/helpview");
    EXPECT_EQ(platform::programFor("other", "/opt/suite"), "other");
}

TEST(WindowSearch, WithoutAnXDisplayThereIsNone) {
    EXPECT_FALSE(platform::displayHasWindow("Pelmtemp.bmp - Paint").has_value());
}

TEST(HelpLaunch, ThePaintProgramMapsToOursUnlessTheEnvironmentNamesAnother) {
    qunsetenv(platform::PaintProgramVariable);
    EXPECT_EQ(platform::programFor("mspaint.exe", "/opt/suite"), "/opt/suite/paint");
    EXPECT_EQ(platform::programFor("MSPaint", "/opt/suite"), "/opt/suite/paint");
    qputenv(platform::PaintProgramVariable, "sh");
    EXPECT_TRUE(platform::programFor("mspaint.exe", "/opt/suite").endsWith("/sh"));
    EXPECT_EQ(platform::programFor("winhlp32.exe", "/opt/suite"), "/opt/suite/helpview");

    // Another paint program gets the file alone, without our window option.
    HelpFolder folder;
    ScriptedServices services;
    EXPECT_TRUE(platform::shell("mspaint.exe PelmTemp.bmp", platform::WindowStyle::NormalFocus,
                                folder.dir.path()));
    qunsetenv(platform::PaintProgramVariable);
    ASSERT_EQ(services.started.size(), 1);
    EXPECT_EQ(services.started[0].second, QStringList({"PelmTemp.bmp"}));
}

TEST(HelpLaunch, StartsTheViewerWithTheFileAndWindowStyleWithoutWaiting) {
    HelpFolder folder;
    ScriptedServices services;
    platform::shell("winhlp32.exe squares.hlp", platform::WindowStyle::NormalFocus,
                    folder.dir.path());
    ASSERT_EQ(services.started.size(), 1);
    EXPECT_EQ(services.started[0].first, folder.dir.filePath("helpview"));
    EXPECT_EQ(services.started[0].second, QStringList({"squares.hlp", "--window", "normal"}));
    EXPECT_TRUE(services.messages.isEmpty());

    platform::shell("winhlp32.exe squares.hlp", platform::WindowStyle::MaximizedFocus,
                    folder.dir.path());
    EXPECT_EQ(services.started[1].second.last(), "maximized");
}

TEST(HelpLaunch, AMissingViewerHelpFileOrFailedStartGivesAMessage) {
    HelpFolder folder;
    ScriptedServices services;
    EXPECT_FALSE(platform::shell("winhlp32.exe squares.hlp", platform::WindowStyle::NormalFocus,
                                 folder.dir.filePath("nowhere")));
    EXPECT_FALSE(platform::shell("winhlp32.exe missing.hlp", platform::WindowStyle::NormalFocus,
                                 folder.dir.path()));
    services.startSucceeds = false;
    EXPECT_FALSE(platform::shell("winhlp32.exe squares.hlp", platform::WindowStyle::NormalFocus,
                                 folder.dir.path()));
    ASSERT_EQ(services.messages.size(), 3);
    EXPECT_TRUE(services.messages[0].prompt.contains("cannot be found"));
    EXPECT_TRUE(services.messages[1].prompt.contains("missing.hlp"));
    EXPECT_TRUE(services.messages[2].prompt.contains("could not be started"));
    for (const auto& message : services.messages)
        EXPECT_EQ(message.icon, platform::Icon::Exclamation);
    EXPECT_EQ(services.started.size(), 1);
}

TEST(MessageBoxes, WithoutATitleTheProgramTitleShows) {
    ScriptedServices services;
    services.messageAnswers.push_back(platform::Answer::No);
    EXPECT_EQ(platform::msgBox("Sure?", platform::Buttons::YesNo, platform::Icon::Question),
              platform::Answer::No);
    platform::msgBox("Done", platform::Buttons::Ok, platform::Icon::Information, "Game Over");
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[0].title, "Test");
    EXPECT_EQ(services.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(services.messages[1].title, "Game Over");

    services.inputAnswers.push_back(QString("ABC"));
    EXPECT_EQ(platform::inputBox("Your initials?"), QString("ABC"));
    EXPECT_EQ(platform::inputBox("Again?"), std::nullopt);
    EXPECT_EQ(services.inputs[0].title, "Test");
}
