#include "platform/commondialog.h"
#include "platform/filedialog.h"
#include "platform/runtimeerror.h"
#include "scriptedservices.h"
#include "testfiles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using platform::CommonDialog;

TEST(CommonDialogFilter, BarSeparatedPairsBecomeQtNameFilters) {
    EXPECT_EQ(platform::qtNameFilters("Squares (*.squ)|*.squ|All Files(*.*)|*.*"),
              QStringList({"Squares (*.squ)", "All Files (*)"}));
    EXPECT_EQ(platform::qtNameFilters("Puzzles|*.hng;*.txt"),
              QStringList({"Puzzles (*.hng *.txt)"}));
    EXPECT_TRUE(platform::qtNameFilters("").isEmpty());
    // A description without its pattern is dropped.
    EXPECT_EQ(platform::qtNameFilters("Maze (*.maz)|*.maz|Odd"), QStringList({"Maze (*.maz)"}));
    // A pattern on its own shows as its own description.
    EXPECT_EQ(platform::qtNameFilters("*.hex"), QStringList({"*.hex (*.hex)"}));
    EXPECT_EQ(platform::qtNameFilters("Maze (*.maz)|*.maz|*.txt"),
              QStringList({"Maze (*.maz)", "*.txt (*.txt)"}));
}

TEST(CommonDialogRun, PassesItsPropertiesToTheDialog) {
    ScriptedServices services;
    services.fileAnswers.push_back("/tmp/game.squ");
    CommonDialog dialog;
    dialog.DialogTitle = "Open";
    dialog.Filter = "Squares (*.squ)|*.squ|All Files(*.*)|*.*";
    dialog.FilterIndex = 2;
    dialog.DefaultExt = "squ";
    dialog.FileName = "*.squ";
    dialog.Flags = CommonDialog::FileMustExist | CommonDialog::NoChangeDir;
    dialog.setAction(CommonDialog::ShowOpen);
    ASSERT_EQ(services.fileDialogs.size(), 1);
    const auto& asked = services.fileDialogs.first();
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.title, "Open");
    EXPECT_EQ(asked.selectedFilter, 1);
    EXPECT_EQ(asked.defaultSuffix, "squ");
    EXPECT_EQ(asked.fileName, "*.squ");
    EXPECT_TRUE(asked.mustExist);
    EXPECT_EQ(dialog.FileName, "/tmp/game.squ");

    EXPECT_FALSE(asked.confirmOverwrite);

    dialog.Flags = 0;
    services.fileAnswers.push_back("/tmp/other.squ");
    dialog.setAction(CommonDialog::ShowSave);
    EXPECT_TRUE(services.fileDialogs.last().save);
    EXPECT_FALSE(services.fileDialogs.last().mustExist);
    // Save As replaces a chosen file without a question unless asked to confirm.
    EXPECT_FALSE(services.fileDialogs.last().confirmOverwrite);
    dialog.Flags = CommonDialog::OverwritePrompt;
    dialog.setAction(CommonDialog::ShowSave);
    EXPECT_TRUE(services.fileDialogs.last().confirmOverwrite);
}

TEST(CommonDialogRun, CancelWithCancelErrorThrowsTheTrappableError) {
    ScriptedServices services;
    CommonDialog dialog;
    dialog.CancelError = true;
    dialog.FileName = "before.squ";
    try {
        dialog.setAction(CommonDialog::ShowSave);
        FAIL() << "a cancel must raise an error";
    } catch (const platform::RunTimeError& error) {
        EXPECT_EQ(error.number(), 32755);
    }
    EXPECT_EQ(dialog.FileName, "before.squ");
}

TEST(CommonDialogRun, CancelWithoutCancelErrorKeepsTheEarlierName) {
    ScriptedServices services;
    CommonDialog dialog;
    dialog.FileName = "*.hex";
    EXPECT_NO_THROW(dialog.setAction(CommonDialog::ShowOpen));
    EXPECT_EQ(dialog.FileName, "*.hex");
    dialog.FileName = "";
    EXPECT_NO_THROW(dialog.setAction(CommonDialog::ShowSave));
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_EQ(services.fileDialogs.size(), 2);
}

TEST(CommonDialogRun, DefaultExtensionOnlyForANameWithoutOne) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("game");
    EXPECT_EQ(platform::withDefaultExtension(plain, "squ"), plain + ".squ");
    EXPECT_EQ(platform::withDefaultExtension(dir.filePath("game.txt"), "squ"),
              dir.filePath("game.txt"));
    EXPECT_EQ(platform::withDefaultExtension(plain, ""), plain);
    // An existing file without an extension is taken as it is.
    QFile existing(plain);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(platform::withDefaultExtension(plain, "squ"), plain);
}

TEST(CommonDialogRun, ChooseFileTurnsTheTrappedCancelIntoNoFile) {
    ScriptedServices services;
    CommonDialog dialog;
    dialog.FileName = "kept.squ";
    EXPECT_EQ(platform::chooseFile(dialog, "Open", CommonDialog::ShowOpen), std::nullopt);
    EXPECT_TRUE(dialog.CancelError);
    EXPECT_EQ(dialog.FileName, "kept.squ");
    services.fileAnswers.push_back("/tmp/chosen.squ");
    EXPECT_EQ(platform::chooseFile(dialog, "Save", CommonDialog::ShowSave),
              QString("/tmp/chosen.squ"));
    ASSERT_EQ(services.fileDialogs.size(), 2);
    EXPECT_EQ(services.fileDialogs[1].title, "Save");
    EXPECT_TRUE(services.fileDialogs[1].save);
}

TEST(CommonDialogRun, AWildcardNameListsTheFilesWhenTheFilterIsADescriptionAlone) {
    ScriptedServices services;
    CommonDialog dialog;
    dialog.Filter = "Puzzle (*.PUZ)";
    dialog.FileName = "*.PUZ";
    dialog.setAction(CommonDialog::ShowSave);
    dialog.Filter = "Squares (*.squ)|*.squ";
    dialog.setAction(CommonDialog::ShowSave);
    ASSERT_EQ(services.fileDialogs.size(), 2);
    EXPECT_EQ(services.fileDialogs[0].nameFilters, QStringList({"*.PUZ"}));
    EXPECT_EQ(services.fileDialogs[1].nameFilters, QStringList({"Squares (*.squ)"}));
}

// The dialog on the screen, typed into as a player types: the name box, then Enter.
TEST(FileDialog, TheNameBoxFindsOpensAndSavesAsAPlayerExpects) {
    QTemporaryDir dir;
    for (const char* folder : {"a[*]b", "sub"})
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    for (const char* name : {"CAPITALS.HNG", "set.hng", "SET.HNG", "noext", "a.squ", "b.txt",
                             "my\"b.txt", "a[*]b.squ", "wh?t.puz"})
        ASSERT_TRUE(write(dir.filePath(name), name));
    qputenv("HOME", dir.path().toLocal8Bit());
    ScriptedServices services;
    services.messageAnswers = {platform::Answer::Ok, platform::Answer::No, platform::Answer::Yes};
    const char* const stays = "(the dialog stays open)";
    const struct {
        bool save, mustExist;
        const char* extension;
        const char* typed;
        const char* chosen;
        bool confirm = false; // asks before replacing a file
    } cases[] = {
        {false, true, "hng", "CAPITALS", "CAPITALS.HNG"},
        {false, true, "hng", "capitals.hng", "CAPITALS.HNG"},
        {false, true, "hng", "set.hng", "set.hng"},
        {false, true, "hng", "Set", "SET.HNG"},
        {false, true, "hng", "missing", stays},
        {false, false, "squ", "noext", "noext"},
        {false, false, "squ", "new", "new.squ"},
        {true, false, "squ", "noext", "noext"},
        {true, false, "squ", "noext", stays, true},
        {true, false, "squ", "noext", "noext", true},
        {true, false, "squ", "new", "new.squ"},
        {true, false, "squ", "sv\\out", "sv\\out.squ"},
        {true, false, "squ", "*.squ", stays},
        // The name box holds one name, quotes, wildcards and all.
        {true, false, "squ", "my\"a", "my\"a.squ"},
        {true, false, "squ", "my\"sub", "my\"sub.squ"},
        {true, false, "squ", "a\"", "a\".squ"},
        {false, true, "txt", "my\"b.txt", "my\"b.txt"},
        {false, true, "squ", "a[*]b.squ", "a[*]b.squ"},
        {false, true, "puz", "wh?t", "wh?t.puz"},
        {true, false, "squ", "a[*]b/lit", "a[*]b/lit.squ"},
        {false, true, "hng", "~/set.hng", "set.hng"},
        {false, true, "squ", "sub", stays},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        platform::FileDialogRequest request;
        request.save = c.save;
        request.mustExist = c.mustExist;
        request.defaultSuffix = c.extension;
        request.confirmOverwrite = c.confirm;
        request.nameFilters = {"All Files (*)"};
        platform::FileDialog dialog(request, nullptr);
        dialog.setDirectory(dir.path());
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(name);
        // Typed as a player types: into the name box, which has the keyboard.
        QApplication::setActiveWindow(&dialog);
        name->setFocus();
        ASSERT_TRUE(name->hasFocus());
        QTest::keyClicks(name, c.typed);
        QTest::keyClick(name, Qt::Key_Return);
        if (c.chosen == stays) {
            EXPECT_TRUE(dialog.isVisible());
            // Nothing the typing brought up is left over the dialog.
            EXPECT_FALSE(QApplication::activePopupWidget());
            EXPECT_TRUE(dialog.chosen().isEmpty());
        } else {
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.chosen().toStdString(), dir.filePath(c.chosen).toStdString());
        }
    }
    EXPECT_EQ(
        services.prompts(),
        QStringList({"missing cannot be found.\nCheck the name, or choose the file in the list.",
                     "noext already exists.\nDo you want to replace it?",
                     "noext already exists.\nDo you want to replace it?"}));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("*.squ")));
}

TEST(FileDialog, AWildcardInTheNameBoxFiltersTheList) {
    QTemporaryDir dir;
    for (const char* name : {"a.squ", "b.txt", "c.SQU", "wh?t\"b.txt"})
        ASSERT_TRUE(write(dir.filePath(name), name));
    ScriptedServices services;
    platform::FileDialogRequest request;
    request.save = true;
    request.nameFilters = {"Squares (*.squ)", "All Files (*)"};
    request.selectedFilter = 1;
    platform::FileDialog dialog(request, nullptr);
    dialog.setDirectory(dir.path());
    dialog.setViewMode(QFileDialog::List);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_TRUE(name);
    QTest::keyClicks(name, "*.txt");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedNameFilter(), "*.txt");
    auto* list = dialog.findChild<QAbstractItemView*>("listView");
    ASSERT_TRUE(list);
    const auto listed = [list] {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        return names;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return listed() == QStringList{"b.txt", "wh?t\"b.txt"};
    })) << listed().join(", ").toStdString();
    EXPECT_TRUE(services.messages.isEmpty());
    // A listed file is that file, quotes, wildcards and all.
    const QModelIndex what = list->model()->index(1, 0, list->rootIndex());
    const QPoint at = list->visualRect(what).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.chosen(), dir.filePath("wh?t\"b.txt"));
}
