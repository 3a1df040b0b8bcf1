#include "editorfixture.h"
#include "filesizelimit.h"
#include "pelmora/editor/puzzleeditor.h"
#include "platform/twips.h"
#include "shared/files.h"

#include <QImageReader>
#include <QTimer>

using pelmora::editor::Form3;
using platform::Answer;
using platform::Icon;

namespace {

const QString Running = "Pelmora thinks that Paintbrush is still running.  Close Paintbrush first.";
const QString CloseAnyway = "Pelmora thinks that Paintbrush is still running.  Click Yes";
const QString SaveChanges = "Do you wish to save your changes?";
const QString SaveCurrent = "Do you wish to save your changes to the current puzzle?";
const QString NoSolution = "You must provide a solution";
const QString BadName = "Invalid File Name!  Please use standard 8.3 File Name.  Extension must";

enum Press { Save, Close, Load, PBrush, Clear };

struct StateCase {
    QString solution; // typed first, which makes the state 1
    int start;
    Press press;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files; // names in the working folder; nullopt cancels
    int end;
    QStringList prompts; // how each message begins
    QString title;       // of the last message
    bool closed = false;
};

Icon iconFor(const QString& prompt) {
    if (prompt.startsWith("Do you wish"))
        return Icon::Question;
    for (const QString& warning : {BadName, CloseAnyway, QString("The solution holds")})
        if (prompt.startsWith(warning))
            return Icon::Exclamation;
    return Icon::Critical;
}

} // namespace

TEST_F(EditorFixture, OpensEmptyAndUntitledWithTheBlankPicture) {
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - Untitled");
    EXPECT_EQ(form->size(), platform::twipsSize(5625, 6390));
    EXPECT_EQ(form->EditState, Form3::Clean);
    EXPECT_EQ(form->picture(), picture("empty.bmp"));
    const struct {
        QWidget* control;
        QRect twips;
        QString text;
    } controls[] = {
        {form->Picture1, {120, 75, 5385, 5300}, ""},
        {form->Label1, {165, 5490, 990, 375}, "Solution"},
        {form->Text1, {1275, 5460, 4215, 345}, ""},
        {form->Command5, {60, 5955, 1020, 300}, "Clea&r"},
        {form->Command3, {1170, 5955, 1020, 300}, "&Load"},
        {form->Command4, {2265, 5955, 885, 300}, "&P Brush"},
        {form->Command1, {3240, 5955, 1035, 300}, "&Save"},
        {form->Command2, {4365, 5955, 1035, 300}, "&Close"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        const QRect& t = c.twips;
        EXPECT_EQ(c.control->geometry(), platform::twipsRect(t.x(), t.y(), t.width(), t.height()));
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(c.control))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(c.control))
            text = label->text();
        EXPECT_EQ(text, c.text);
    }
    // Tab goes from the solution to Save, Close, Load, P Brush and Clear.
    QWidget* order[] = {form->Text1,    form->Command1, form->Command2,
                        form->Command3, form->Command4, form->Command5};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
}

TEST_F(EditorFixture, BothDialogsAskForAPuzzleNameTheSameWay) {
    type("Cat");
    services.fileAnswers = {std::nullopt, std::nullopt};
    click(form->Command1);
    click(form->Command3);
    ASSERT_EQ(services.fileDialogs.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const platform::FileDialogRequest& asked = services.fileDialogs[i];
        EXPECT_EQ(asked.save, i == 0);
        EXPECT_EQ(asked.title, i == 0 ? "Save Puzzle" : "Load Puzzle for Editing");
        EXPECT_EQ(asked.nameFilters, QStringList{"*.PUZ"});
        EXPECT_EQ(asked.selectedFilter, 0);
        EXPECT_EQ(asked.defaultSuffix, "PUZ");
        EXPECT_EQ(asked.fileName, "*.PUZ");
    }
    EXPECT_EQ(form->CMDialog1.Filter, "Puzzle (*.PUZ)");
    EXPECT_EQ(form->CMDialog1.FilterIndex, 1);
    EXPECT_TRUE(form->CMDialog1.CancelError);
    EXPECT_TRUE(form->CMDialog1.FileName.isEmpty());
}

TEST_F(EditorFixture, EditStateFollowsEveryButtonAndAnswer) {
    const std::optional<QString> cancel;
    const StateCase cases[] = {
        {"", 2, Save, {}, {}, 2, {"Can not save while Paintbrush is editing"}, "Pelmora"},
        {"", 2, Load, {}, {}, 2, {Running}, "Can not load puzzle"},
        {"", 2, Clear, {}, {}, 2, {Running}, "Can not clear puzzle"},
        {"", 2, PBrush, {}, {}, 2, {Running}, "Can not run Paintbrush"},
        {"", 2, Close, {Answer::No}, {}, 2, {CloseAnyway}, "Close during edit?"},
        {"", 2, Close, {Answer::Yes}, {}, 2, {CloseAnyway}, "Close during edit?", true},
        {"Cat", 1, Close, {Answer::No}, {}, 1, {SaveChanges}, "Pelmora", true},
        {"Cat", 1, Close, {Answer::Yes}, {cancel}, 1, {SaveChanges}, "Pelmora"},
        {"  ", 1, Close, {Answer::Yes}, {}, 1, {SaveChanges, NoSolution}, "Pelmora"},
        {"Cat", 1, Close, {Answer::Yes}, {"cat.puz"}, 1, {SaveChanges}, "Pelmora", true},
        {"", 0, Close, {}, {}, 0, {}, "", true},
        {"", 0, Clear, {}, {}, 0, {}, ""},
        {"Cat", 1, Clear, {Answer::No}, {}, 0, {SaveCurrent}, "Pelmora"},
        {"Cat", 1, Clear, {Answer::Yes}, {"cat.puzz"}, 1, {SaveCurrent, BadName}, "Oops"},
        {"Cat", 1, Clear, {Answer::Yes}, {"cat.puz"}, 0, {SaveCurrent}, "Pelmora"},
        {"Cat", 1, Load, {Answer::Yes}, {cancel}, 1, {SaveCurrent}, "Pelmora"},
        {"Cat", 1, Save, {}, {cancel}, 1, {}, ""},
        {"Cat", 3, Save, {}, {cancel}, 4, {}, ""},
        {"Cat", 3, Save, {}, {"cat.bmp"}, 4, {BadName}, "Oops"},
        {"Cat", 3, Save, {}, {"cat.txt.puz"}, 4, {BadName}, "Oops"},
        {QString::fromUtf8("Ca\u0442"), 3, Save, {}, {"cat.puz"}, 0, {}, ""},
        {"   ", 1, Save, {}, {}, 1, {NoSolution}, "Pelmora"},
        {"Cat", 1, Save, {}, {"cat.puz"}, 0, {}, ""},
    };
    for (size_t n = 0; n < std::size(cases); ++n) {
        const StateCase& c = cases[n];
        SCOPED_TRACE(n);
        SetUp();
        type(c.solution);
        form->EditState = c.start;
        services.messageAnswers = c.answers;
        for (const auto& file : c.files)
            services.fileAnswers.push_back(file ? std::optional(dir.filePath(*file)) : file);
        QPushButton* buttons[] = {form->Command1, form->Command2, form->Command3, form->Command4,
                                  form->Command5};
        click(buttons[c.press]);
        EXPECT_EQ(form->EditState, c.end);
        EXPECT_EQ(form->isVisible(), !c.closed);
        ASSERT_EQ(services.messages.size(), c.prompts.size());
        for (qsizetype i = 0; i < c.prompts.size(); ++i) {
            EXPECT_TRUE(services.messages[i].prompt.startsWith(c.prompts[i]));
            EXPECT_EQ(services.messages[i].icon, iconFor(c.prompts[i]));
        }
        if (!c.prompts.isEmpty()) {
            EXPECT_EQ(services.messages.last().title, c.title);
        }
        EXPECT_TRUE(services.fileAnswers.empty() && services.messageAnswers.empty());
        EXPECT_TRUE(services.started.isEmpty());
        QFile::remove(dir.filePath("cat.puz"));
        TearDown();
        services.messages.clear();
    }
}

TEST_F(EditorFixture, SaveWritesThePuzzleAndItsPictureAndLoadBringsThemBack) {
    type(" A cat ");
    // The chosen name as it stands: "\\" is part of it and names no folder.
    QDir(dir.path()).mkdir("sv");
    write(dir.filePath("sv/cat.bmp"), "other");
    services.fileAnswers = {dir.filePath("sv\\cat.PUZ")};
    click(form->Command1);
    EXPECT_EQ(services.fileDialogs[0].title, "Save Puzzle");
    EXPECT_EQ(services.fileDialogs[0].fileName, "*.PUZ");
    const QString picturePath = dir.filePath("sv\\cat.bmp");
    EXPECT_EQ(shared::readFile(dir.filePath("sv\\cat.PUZ"), 1000, nullptr),
              QByteArray(" A cat \r\n" + picturePath.toLatin1() + "\r\nCycle=1\r\n"));
    EXPECT_EQ(shared::readFile(dir.filePath("sv/cat.bmp"), 100, nullptr), QByteArray("other"));
    EXPECT_EQ(picture(picturePath), form->picture());
    const QByteArray bitmap = shared::readFile(picturePath, 1 << 20, nullptr).value_or("");
    ASSERT_GT(bitmap.size(), 30);
    EXPECT_EQ(bitmap.left(2), "BM");
    EXPECT_EQ(bitmap.at(28), 24); // bits a pixel
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - " + dir.filePath("sv\\cat.PUZ"));

    // The picture's name is stored in the puzzle file: it is found ignoring case.
    shared::saveBitmap(dir.filePath("dog.bmp"), filled(Qt::red), nullptr);
    write(dir.filePath("dog.puz"), "Dog\r\nDOG.BMP\r\nCycle=7\r\n");
    write(dir.filePath("bat.puz"), "Bat\r\n");
    write(dir.filePath("owl.puz"), "Owl\r\nowl.bmp\r\nCycle=1\r\n");
    services.fileAnswers = {dir.filePath("dog.puz"), dir.filePath("bat.puz")};
    click(form->Command3);
    click(form->Command3); // one line only: nothing changes
    EXPECT_EQ(services.fileDialogs[1].title, "Load Puzzle for Editing");
    EXPECT_EQ(form->Text1->text(), "Dog");
    EXPECT_EQ(form->picture(), filled(Qt::red));
    EXPECT_EQ(form->EditState, Form3::Clean);

    // A missing picture: the solution comes in, the rest stays, and no message says so.
    services.fileAnswers = {dir.filePath("owl.puz")};
    click(form->Command3);
    EXPECT_EQ(form->Text1->text(), "Owl");
    EXPECT_EQ(form->picture(), filled(Qt::red));
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - " + dir.filePath("dog.puz"));
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_TRUE(services.messages.isEmpty());

    // A loaded puzzle keeps its encoding; a new one takes UTF-8 only for what needs it, such
    // as a folder name outside the single-byte set.
    write(dir.filePath("utf8.puz"), "Caf\xc3\xa9\r\ndog.bmp\r\nCycle=4\r\n");
    const QString kino = QString::fromUtf8("\u041a\u0438\u043d\u043e");
    QDir(dir.path()).mkdir(kino);
    services.fileAnswers = {dir.filePath("utf8.puz"), dir.filePath("same.puz"),
                            dir.filePath(kino + "/kite.puz")};
    form->EditState = Form3::Clean;
    click(form->Command3);
    click(form->Command1);
    EXPECT_EQ(shared::readFile(dir.filePath("same.puz"), 1000, nullptr),
              "Caf\xc3\xa9\r\n" + dir.filePath("same.bmp").toUtf8() + "\r\nCycle=1\r\n");
    click(form->Command5);
    type("Kite");
    click(form->Command1);
    EXPECT_EQ(shared::readFile(dir.filePath(kino + "/kite.puz"), 1000, nullptr),
              "Kite\r\n" + dir.filePath(kino + "/kite.bmp").toUtf8() + "\r\nCycle=1\r\n");
    EXPECT_TRUE(services.messages.isEmpty());

    // A path is shown as it is, "[*]" and all, after Save and after Load.
    QDir(dir.path()).mkdir("x[*]y");
    const QString kite = dir.filePath("x[*]y/kite.PUZ");
    services.fileAnswers = {kite, kite};
    click(form->Command1);
    EXPECT_EQ(form->windowHandle()->title(), "Puzzle Editor - " + kite);
    click(form->Command5);
    click(form->Command3);
    EXPECT_EQ(form->windowHandle()->title(), "Puzzle Editor - " + kite);
}

// The picture reader's limit decides what is saved; an old picture beside the puzzle does not.
TEST_F(EditorFixture, OnlyAPictureThatReadsBackIsSavedWhateverTheOldOneWas) {
    QImage large(600, 500, QImage::Format_RGB32);
    large.fill(Qt::green);
    shared::saveBitmap(dir.filePath("kite.bmp"), large, nullptr);
    write(dir.filePath("kite.puz"), "Kite\r\nkite.bmp\r\nCycle=1\r\n");
    QFile old(dir.filePath("cat.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.resize(40 * 1024 * 1024));
    old.close();
    services.fileAnswers = {dir.filePath("kite.puz"), dir.filePath("cat.puz")};
    click(form->Command3);
    click(form->Command1);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(picture(dir.filePath("cat.bmp")), large);

    // Were the reader to decode no more than a MiB, 262144 pixels, the picture would not
    // read back: Save says so and writes nothing.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    type("Dog");
    services.fileAnswers = {dir.filePath("dog.puz")};
    click(form->Command1);
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(services.prompts(),
              QStringList({"The puzzle cannot be saved as " + dir.filePath("dog.puz") +
                           ".  The picture is too large to be read back: 600 x 500 pixels, where "
                           "at most 262144 pixels can be read.  The files are as they were."}));
    EXPECT_FALSE(QFile::exists(dir.filePath("dog.puz")));
    EXPECT_FALSE(QFile::exists(dir.filePath("dog.bmp")));
    EXPECT_EQ(form->EditState, Form3::Modified);
}

TEST_F(EditorFixture, ASaveThatCannotWriteSaysSoAndLeavesBothFilesAsTheyWere) {
    write(dir.filePath("cat.bmp"), "old picture");
    QDir(dir.path()).mkdir("cat.puz");
    write(dir.filePath("dog.puz"), "Old\r\n");
    QDir(dir.path()).mkdir("dog.bmp");
    type("Cat");
    services.messageAnswers = {Answer::Yes};
    services.fileAnswers = {dir.filePath("cat.puz"), dir.filePath("dog.puz")};
    click(form->Command2); // the save asked for fails: the editor stays open
    click(form->Command1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - Untitled");
    ASSERT_EQ(services.messages.size(), 3);
    EXPECT_EQ(services.messages[1].prompt, "The puzzle cannot be saved as " +
                                               dir.filePath("cat.puz") +
                                               ".  It is a folder, not a file.  The files are "
                                               "as they were.");
    EXPECT_EQ(shared::readFile(dir.filePath("cat.bmp"), 100, nullptr), QByteArray("old picture"));
    EXPECT_EQ(shared::readFile(dir.filePath("dog.puz"), 100, nullptr), QByteArray("Old\r\n"));

    // An old puzzle file too large to keep aside, and one that cannot be put back after the
    // picture failed, are named as what went wrong.
    QFile big(dir.filePath("big.puz"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(4 * 1024 * 1024 + 1));
    big.close();
    write(dir.filePath("eel.puz"), QByteArray(300, 'e'));
    services.fileAnswers = {dir.filePath("big.puz"), dir.filePath("eel.puz")};
    click(form->Command1);
    const FileSizeLimit limit(200);
    click(form->Command1);
    EXPECT_TRUE(services.messages[3].prompt.contains(
        "already there cannot be kept aside while the new one is written.  It is too large"));
    EXPECT_TRUE(services.messages[4].prompt.contains("could not be put back"));
    EXPECT_FALSE(services.messages[4].prompt.contains("as they were"));
}

TEST_F(EditorFixture, TheMenuEntryOpensAFreshEditorModallyAndReturnsWhenItCloses) {
    QWidget game;
    game.setWindowIcon(QIcon(QPixmap::fromImage(filled(Qt::red))));
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<Form3*>(QApplication::activeModalWidget());
        ASSERT_TRUE(editor);
        caption = editor->windowTitle();
        modal = editor->isModal() && !editor->windowIcon().isNull();
        click(editor->Command2);
    });
    pelmora::showPuzzleEditor(&game);
    EXPECT_EQ(caption, "Puzzle Editor - Untitled");
    EXPECT_TRUE(modal);
}
