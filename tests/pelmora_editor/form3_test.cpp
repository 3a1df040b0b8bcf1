#include "editorfixture.h"
#include "pelmora/editor/puzzlefile.h"
#include "platform/twips.h"
#include "shared/files.h"

using pelmora::editor::Form3;
using platform::Answer;

namespace {

const QString PaintRunning =
    "Pelmora thinks that Paintbrush is still running.  Close Paintbrush first.";
const QString CloseDuringEdit = "Pelmora thinks that Paintbrush is still running.  Click Yes to "
                                "Close this screen anyway or click No to go back to the editor";
const QString SaveChanges = "Do you wish to save your changes?";
const QString SaveCurrent = "Do you wish to save your changes to the current puzzle?";
const QString NoSolution = "You must provide a solution";
const QString BadName =
    "Invalid File Name!  Please use standard 8.3 File Name.  Extension must be puz";

enum class Press { Save, Close, Load, PBrush, Clear };

struct StateCase {
    const char* name;
    QString solution; // typed first, which makes the state 1
    int start;
    Press press;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files; // names in the working folder; nullopt cancels
    int end;
    QStringList prompts; // each prompt's start
    bool closed;
};

} // namespace

TEST_F(EditorFixture, OpensEmptyAndUntitledWithTheBlankPicture) {
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - Untitled");
    EXPECT_EQ(form->size(), platform::twipsSize(5625, 6390));
    EXPECT_EQ(form->Picture1->geometry(), platform::twipsRect(120, 75, 5385, 5300));
    EXPECT_EQ(form->Text1->text(), "");
    EXPECT_EQ(form->EditState, Form3::Clean);
    EXPECT_EQ(form->picture(), picture("empty.bmp"));
    EXPECT_EQ(form->Command4->text(), "&P Brush");
    type("x");
    EXPECT_EQ(form->EditState, Form3::Modified);
}

TEST_F(EditorFixture, EditStateFollowsEveryButtonAndAnswer) {
    const StateCase cases[] = {
        {"save while painting", "", 2, Press::Save, {}, {}, 2, {"Can not save while"}, false},
        {"load while painting", "", 2, Press::Load, {}, {}, 2, {PaintRunning}, false},
        {"clear while painting", "", 2, Press::Clear, {}, {}, 2, {PaintRunning}, false},
        {"paint while painting", "", 2, Press::PBrush, {}, {}, 2, {PaintRunning}, false},
        {"close painting, no", "", 2, Press::Close, {Answer::No}, {}, 2, {CloseDuringEdit}, false},
        {"close painting, yes", "", 2, Press::Close, {Answer::Yes}, {}, 2, {CloseDuringEdit}, true},
        {"close changed, no", "Cat", 1, Press::Close, {Answer::No}, {}, 1, {SaveChanges}, true},
        {"close changed, yes, cancel",
         "Cat",
         1,
         Press::Close,
         {Answer::Yes},
         {std::nullopt},
         1,
         {SaveChanges},
         false},
        {"close changed, yes, blank solution",
         "  ",
         1,
         Press::Close,
         {Answer::Yes},
         {},
         1,
         {SaveChanges, NoSolution},
         false},
        {"close changed, yes, saved",
         "Cat",
         1,
         Press::Close,
         {Answer::Yes},
         {"cat.puz"},
         1,
         {SaveChanges},
         true},
        {"close clean", "", 0, Press::Close, {}, {}, 0, {}, true},
        {"clear clean", "", 0, Press::Clear, {}, {}, 0, {}, false},
        {"clear changed, no", "Cat", 1, Press::Clear, {Answer::No}, {}, 0, {SaveCurrent}, false},
        {"clear changed, yes, bad name",
         "Cat",
         1,
         Press::Clear,
         {Answer::Yes},
         {"cat.puzz"},
         1,
         {SaveCurrent, BadName},
         false},
        {"clear changed, yes, saved",
         "Cat",
         1,
         Press::Clear,
         {Answer::Yes},
         {"cat.puz"},
         0,
         {SaveCurrent},
         false},
        {"load changed, yes, cancel",
         "Cat",
         1,
         Press::Load,
         {Answer::Yes},
         {std::nullopt},
         1,
         {SaveCurrent},
         false},
        {"save cancelled", "Cat", 1, Press::Save, {}, {std::nullopt}, 1, {}, false},
        {"save asked for, cancelled", "Cat", 3, Press::Save, {}, {std::nullopt}, 4, {}, false},
        {"save asked for, bmp name", "Cat", 3, Press::Save, {}, {"cat.bmp"}, 4, {BadName}, false},
        {"save blank solution", "   ", 1, Press::Save, {}, {}, 1, {NoSolution}, false},
        {"save", "Cat", 1, Press::Save, {}, {"cat.puz"}, 0, {}, false},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        type(c.solution);
        form->EditState = c.start;
        services.messages.clear();
        services.messageAnswers = c.answers;
        services.fileAnswers.clear();
        for (const auto& file : c.files)
            services.fileAnswers.push_back(file ? std::optional(dir.filePath(*file)) : file);
        QPushButton* buttons[] = {form->Command1, form->Command2, form->Command3, form->Command4,
                                  form->Command5};
        click(buttons[int(c.press)]);
        EXPECT_EQ(form->EditState, c.end);
        EXPECT_EQ(form->isVisible(), !c.closed);
        ASSERT_EQ(services.messages.size(), c.prompts.size());
        for (qsizetype i = 0; i < c.prompts.size(); ++i)
            EXPECT_TRUE(services.messages[i].prompt.startsWith(c.prompts[i]))
                << services.messages[i].prompt.toStdString();
        EXPECT_TRUE(services.fileAnswers.empty());
        EXPECT_TRUE(services.messageAnswers.empty());
        EXPECT_TRUE(services.started.isEmpty());
        QFile::remove(dir.filePath("cat.puz"));
        TearDown();
    }
}

TEST_F(EditorFixture, MessagesCarryTheirIconsAndTitles) {
    form->EditState = Form3::Painting;
    click(form->Command1);
    click(form->Command3);
    click(form->Command4);
    click(form->Command5);
    services.messageAnswers = {Answer::No};
    click(form->Command2);
    form->EditState = Form3::Modified;
    services.fileAnswers = {dir.filePath("cat.txt.puz")};
    type("Cat");
    click(form->Command1);
    const struct {
        platform::Icon icon;
        platform::Buttons buttons;
        QString title;
    } expected[] = {
        {platform::Icon::Critical, platform::Buttons::Ok, "Pelmora"},
        {platform::Icon::Critical, platform::Buttons::Ok, "Can not load puzzle"},
        {platform::Icon::Critical, platform::Buttons::Ok, "Can not run Paintbrush"},
        {platform::Icon::Critical, platform::Buttons::Ok, "Can not clear puzzle"},
        {platform::Icon::Exclamation, platform::Buttons::YesNo, "Close during edit?"},
        {platform::Icon::Exclamation, platform::Buttons::Ok, "Oops"},
    };
    ASSERT_EQ(services.messages.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(services.messages[i].icon, expected[i].icon) << i;
        EXPECT_EQ(services.messages[i].buttons, expected[i].buttons) << i;
        EXPECT_EQ(services.messages[i].title, expected[i].title) << i;
    }
    const platform::FileDialogRequest& dialog = services.fileDialogs.at(0);
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.title, "Save Puzzle");
    EXPECT_EQ(dialog.fileName, "*.PUZ");
    EXPECT_EQ(dialog.defaultSuffix, "PUZ");
}

TEST_F(EditorFixture, SaveWritesThePuzzleAndItsPictureAndLoadBringsThemBack) {
    type(" A cat ");
    services.fileAnswers = {dir.filePath("cat.PUZ")};
    click(form->Command1);
    const QString picturePath = dir.filePath("cat.bmp");
    EXPECT_EQ(shared::readFile(dir.filePath("cat.PUZ"), 1000, nullptr),
              QByteArray(" A cat \r\n" + picturePath.toLatin1() + "\r\nCycle=1\r\n"));
    EXPECT_EQ(picture(picturePath), form->picture());
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - " + dir.filePath("cat.PUZ"));
    EXPECT_EQ(form->EditState, Form3::Clean);

    // Another puzzle on disk, loaded over the first.
    shared::saveBitmap(dir.filePath("dog.bmp"), filled(Qt::red), nullptr);
    write(dir.filePath("dog.puz"), "Dog\r\ndog.bmp\r\nCycle=7\r\n");
    services.fileAnswers = {dir.filePath("dog.puz")};
    click(form->Command3);
    EXPECT_EQ(services.fileDialogs.last().title, "Load Puzzle for Editing");
    EXPECT_FALSE(services.fileDialogs.last().save);
    EXPECT_EQ(form->Text1->text(), "Dog");
    EXPECT_EQ(form->picture(), filled(Qt::red));
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - " + dir.filePath("dog.puz"));
    EXPECT_EQ(form->EditState, Form3::Clean);

    // A puzzle whose picture is missing brings its solution only; a one-line one nothing.
    write(dir.filePath("owl.puz"), "Owl\r\nowl.bmp\r\nCycle=1\r\n");
    write(dir.filePath("bat.puz"), "Bat\r\n");
    services.fileAnswers = {dir.filePath("bat.puz"), dir.filePath("owl.puz")};
    click(form->Command3);
    click(form->Command3);
    EXPECT_EQ(form->Text1->text(), "Owl");
    EXPECT_EQ(form->picture(), filled(Qt::red));
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - " + dir.filePath("dog.puz"));
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(EditorFixture, ASaveThatCannotWriteSaysSoAndLeavesBothFilesAsTheyWere) {
    write(dir.filePath("cat.bmp"), "old picture");
    QDir(dir.path()).mkdir("cat.puz");
    type("Cat");
    services.messageAnswers = {Answer::Yes};
    services.fileAnswers = {dir.filePath("cat.puz")};
    click(form->Command2); // the save asked for fails: the editor stays open
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->EditState, Form3::Modified);
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[1].prompt,
              "The puzzle cannot be saved as " + dir.filePath("cat.puz") +
                  ".  It is a folder, not a file.  The files are as they were.");
    EXPECT_EQ(shared::readFile(dir.filePath("cat.bmp"), 100, nullptr), QByteArray("old picture"));

    // A picture that cannot be written leaves the puzzle file alone.
    write(dir.filePath("dog.puz"), "Old\r\n");
    QDir(dir.path()).mkdir("dog.bmp");
    services.fileAnswers = {dir.filePath("dog.puz")};
    click(form->Command1);
    EXPECT_EQ(services.messages.size(), 3);
    EXPECT_EQ(shared::readFile(dir.filePath("dog.puz"), 100, nullptr), QByteArray("Old\r\n"));
    EXPECT_EQ(form->EditState, Form3::Modified);
    EXPECT_EQ(form->windowTitle(), "Puzzle Editor - Untitled");
}

TEST_F(EditorFixture, ASolutionThatAPuzzleFileCannotStoreIsRefused) {
    form->Text1->setText(QString::fromUtf8("Ca\u0442"));
    services.fileAnswers = {dir.filePath("cat.puz")};
    click(form->Command1);
    EXPECT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.fileDialogs.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("cat.puz")));
}
