#include "form1.h"
#include "categories.h"
#include "editor/puzzleeditor.h"
#include "form2.h"
#include "form4.h"
#include "guess.h"
#include "platform/clientarea.h"
#include "platform/commandbutton.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "platform_files/directorylisting.h"
#include "puzzlefile.h"
#include "rotation.h"
#include "shared/bitmapfile.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/splash.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenuBar>

namespace pelmora {

namespace {

constexpr unsigned Teal = 0x808000;
constexpr unsigned White = 0xFFFFFF;
const char* const TagProperty = "Tag";
const QString Icon = ":/art/pelmora-icon.png";

const QString MissingFilesTail =
    " files in the current directory (%1).  The program and all of it's data files should be in "
    "this directory.  If any of these were deleted, you should reinstall the game.  If they were "
    "moved to a different directory, you should put them back.  If the working directory was "
    "changed, you need to set it to the location of the data files.";

void complain(const QString& prompt) {
    platform::msgBox(prompt, platform::Buttons::Ok, platform::Icon::Exclamation);
}

void showError(const QString& prompt) {
    platform::msgBox(prompt, platform::Buttons::Ok, platform::Icon::None, "Error");
}

} // namespace

Form1::Form1() : about_(shared::AboutGame::Pelmora, QPixmap(Icon), this) {
    setObjectName("Form1");
    setWindowTitle("QS Pelmora");
    setWindowIcon(QIcon(Icon));
    buildControls();
    buildMenus();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    client_ = new platform::ClientArea(platform::twipsSize(5640, 6825), this);
    client_->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(client_, Teal);
    setCentralWidget(client_);

    Picture1 = new QLabel(client_);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(
        platform::twipsRect(90, 105, PictureBoxWidthTwips, PictureBoxHeightTwips));
    // Drawn at its own size from the top-left corner, clipped by the box.
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAutoFillBackground(true);
    QPalette window = Picture1->palette();
    window.setColor(QPalette::Window, window.color(QPalette::Base));
    Picture1->setPalette(window);

    const QFont tileFont = platform::mappedFont("Arial", 6.75, false);
    for (int i = 0; i < TileCount; ++i) {
        QPushButton* tile = new platform::CommandButton("&Trivia", client_);
        tile->setObjectName(QString("Command2_%1").arg(i));
        tile->setFont(tileFont);
        tile->setGeometry(platform::twipsRect(tileTwips(i).x(), tileTwips(i).y(),
                                              tileTwips(i).width(), tileTwips(i).height()));
        connect(tile, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        Command2[i] = tile;
    }

    const QFont arial = platform::mappedFont("Arial", 8.25, false);
    Text1 = new QLineEdit(client_);
    Text1->setObjectName("Text1");
    Text1->setGeometry(platform::twipsRect(405, 5700, 3630, 375));
    Text1->setFont(arial);
    QPalette guess = Text1->palette();
    guess.setColor(QPalette::Base, platform::colourFromBgr(Teal));
    guess.setColor(QPalette::Text, platform::colourFromBgr(White));
    Text1->setPalette(guess);

    Command1 = new QPushButton("Guess", client_);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(4125, 5700, 900, 405));
    Command1->setFont(arial);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Enter in the guess box presses the default button.
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Command2[0]);
    for (int i = 1; i < TileCount; ++i)
        setTabOrder(Command2[i - 1], Command2[i]);
}

void Form1::buildMenus() {
    using platform::addMenuItem;
    QMenu* game = menuBar()->addMenu("&Game");
    game->setObjectName("Game_Menu");
    NewGame = addMenuItem(game, "NewGame", "&New", this, &Form1::NewGame_Click, Qt::Key_F2);
    game->addSeparator()->setObjectName("Blank3");
    Level1 = addMenuItem(game, "Level1", "Level &1", this, &Form1::Level1_Click);
    Level2 = addMenuItem(game, "Level2", "Level &2", this, &Form1::Level2_Click);
    Level3 = addMenuItem(game, "Level3", "Level &3", this, &Form1::Level3_Click);
    for (QAction* level : {Level1, Level2, Level3})
        level->setCheckable(true);
    game->addSeparator()->setObjectName("Blank1");
    Options = addMenuItem(game, "Options", "&Categories", this, &Form1::Options_Click);
    CreatePuzzle =
        addMenuItem(game, "CreatePuzzle", "&Puzzle Editor", this, &Form1::CreatePuzzle_Click);
    game->addSeparator()->setObjectName("Blank2");
    Closeit = addMenuItem(game, "Closeit", "E&xit", this, &Form1::Closeit_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help");
    contents = addMenuItem(help, "contents", "&Contents", this, &Form1::contents_Click, Qt::Key_F1);
    About = addMenuItem(help, "About", "&About", this, &Form1::About_Click);
}

QString Form1::tag(int index) const {
    return Command2[index]->property(TagProperty).toString();
}

void Form1::Form_Load() {
    shared::Splash::showModal();
    resize(sizeHint()); // the design size, also where the screen is smaller
    platform::centreWindow(this);
    PELMORA1.SkipCount = 0;
    PELMORA1.PlaceHolder.fill(0);
    const QString windowsDirectory = platform::windowsDirectory();
    PELMORA1.WinDir = gameWindowsDirectory(windowsDirectory);
    // The folder is looked up on disk once, by the name as given, so that of two folders whose
    // names differ only in case the one named is used; the file in it on every read and write.
    settings_ = SettingsFile(platform::resolveFileName(windowsDirectory + "/"));
    PELMORA1.Level = 1;
    Level1->setChecked(true);
    NewGame_Click();
}

qint64 Form1::readSetting(const QString& section, const QString& key, const QString& defaultValue,
                          platform::KeyMatch match) {
    const SettingsFile::Reading reading = settings_.readNumber(section, key, defaultValue, match);
    if (!reading.problem.isEmpty())
        settingsUnreadable(reading.problem);
    else if (!reading.ok)
        showError("Error reading pelmora.ini");
    return reading.value;
}

void Form1::writeSetting(const QString& section, const QString& key, qint64 value) {
    QString problem;
    if (settings_.writeNumber(section, key, value, &problem))
        return;
    if (!problem.isEmpty())
        settingsUnreadable(problem);
    else
        showError("Error writing to pelmora.ini");
}

void Form1::settingsUnreadable(const QString& problem) {
    if (settingsUnreadableShown_)
        return;
    settingsUnreadableShown_ = true;
    showError(QString("Pelmora cannot read its settings file %1.  %2  The file is left as it "
                      "is; until it can be read, Pelmora does not remember from one game to the "
                      "next how far the categories and the puzzles have got.")
                  .arg(settings_.path(), problem));
}

void Form1::refuseToStart(const QString& kind) {
    showError("There are no " + kind + MissingFilesTail.arg(QDir::currentPath()));
    platform::msgBox("This game can no longer continue.", platform::Buttons::Ok,
                     platform::Icon::None, "Shutting Down");
    platform::endProgram();
}

void Form1::NewGame_Click() {
    setCursor(Qt::WaitCursor);
    Text1->clear();
    const TileRange range = tilesOfLevel(PELMORA1.Level);
    PELMORA1.FirstTile = range.first;
    PELMORA1.LastTile = range.last;
    for (int i = 0; i < TileCount; ++i)
        Command2[i]->setVisible(i >= range.first && i <= range.last);
    PELMORA1.GameState = Playing;
    if (!readCategoryFiles())
        return;
    for (int i = range.first; i <= range.last; ++i) {
        const int j = categoryOfTile(i - range.first, PELMORA1.CatCount);
        Command2[i]->setText(PELMORA1.CatName[j]);
        Command2[i]->setProperty(TagProperty, shared::numberText(j));
        Command2[i]->show();
    }
    PELMORA1.Cycle = readSetting("Cycles", "Puzzles", "1");
    if (!chooseAndLoadPuzzle())
        return;
    unsetCursor();
}

bool Form1::readCategoryFiles() {
    const QStringList listing = platform::listFiles("*.trv");
    if (listing.isEmpty()) {
        refuseToStart("trv");
        return false;
    }
    const std::vector<Category> categories = readCategories(listing);
    const QStringList onAndOff = listing + platform::listFiles("*.trh");
    PELMORA1.CatCount = int(categories.size());
    for (int j = 1; j <= PELMORA1.CatCount; ++j) {
        PELMORA1.CatFile[j] = categories[j - 1].file;
        PELMORA1.PlaceHolder[j] = readSetting("PlaceHolders", PELMORA1.CatFile[j], "0",
                                              hasCaseTwin(PELMORA1.CatFile[j], onAndOff)
                                                  ? platform::KeyMatch::ExactOnly
                                                  : platform::KeyMatch::ExactFirst);
    }
    for (int j = 1; j <= PELMORA1.CatCount; ++j)
        PELMORA1.CatName[j] = categories[j - 1].name;
    return true;
}

bool Form1::chooseAndLoadPuzzle() {
    const QStringList listing = platform::listFiles("*.puz");
    if (listing.isEmpty()) {
        refuseToStart("puz");
        return false;
    }
    const PuzzleChoice choice = choosePuzzle(
        listing, PELMORA1.Cycle,
        [](const QString& file) { return readPuzzleLines(file, nullptr).value_or(QStringList()); },
        [this](qint64 cycle) { writeSetting("Cycles", "Puzzles", cycle); });
    PELMORA1.Cycle = choice.cycle;
    PELMORA1.PuzzleFile = choice.puzzleFile;

    QString problem;
    shared::TextEncoding encoding{};
    const std::optional<QStringList> lines =
        readPuzzleLines(PELMORA1.PuzzleFile, &problem, &encoding);
    if (!lines || lines->size() < 2) {
        // Rewriting what could not be read whole would lose the rest of the file.
        PELMORA1.Solution = lines ? lines->value(0) : QString();
        PELMORA1.PicturePath.clear();
        Picture1->clear();
        complain("The puzzle file " + PELMORA1.PuzzleFile + " cannot be played. " +
                 (lines ? QString("It needs a solution line and a picture line.") : problem) +
                 "  It was left as it is.");
        return true;
    }
    PELMORA1.Solution = (*lines)[0];
    PELMORA1.PicturePath = (*lines)[1];
    if (!writePuzzleFile(PELMORA1.PuzzleFile, PELMORA1.Solution, PELMORA1.PicturePath,
                         PELMORA1.Cycle + 1, &problem, encoding))
        complain("The puzzle file " + PELMORA1.PuzzleFile + " could not be given its next cycle. " +
                 problem + "  It is played anyway.");
    loadPicture();
    return true;
}

void Form1::loadPicture() {
    QString problem;
    if (const std::optional<QImage> picture =
            shared::readPicture(platform::resolveFileName(PELMORA1.PicturePath), &problem)) {
        Picture1->setPixmap(QPixmap::fromImage(*picture));
        return;
    }
    Picture1->clear();
    complain("The picture " + PELMORA1.PicturePath + " of the puzzle " + PELMORA1.PuzzleFile +
             " cannot be shown. " + problem);
}

void Form1::chooseLevel(int level) {
    PELMORA1.Level = level;
    Level1->setChecked(level == 1);
    Level2->setChecked(level == 2);
    Level3->setChecked(level == 3);
    NewGame_Click();
}

void Form1::Level1_Click() {
    chooseLevel(1);
}

void Form1::Level2_Click() {
    chooseLevel(2);
}

void Form1::Level3_Click() {
    chooseLevel(3);
}

void Form1::Options_Click() {
    PELMORA1.CatsChanged = 0;
    {
        Form4 categories(PELMORA1, this);
        categories.exec();
    }
    if (PELMORA1.CatsChanged == 1)
        NewGame_Click();
}

void Form1::CreatePuzzle_Click() {
    showPuzzleEditor(this);
}

void Form1::Closeit_Click() {
    platform::endProgram();
}

void Form1::contents_Click() {
    platform::shell("winhlp32.exe Pelmora.hlp", platform::WindowStyle::MaximizedFocus);
}

void Form1::About_Click() {
    about_.showModal();
}

void Form1::Command2_Click(int Index) {
    const int j = int(shared::textToNumber(tag(Index)));
    if (j < 1 || j > PELMORA1.CatCount)
        return;
    const QString file = PELMORA1.CatFile[j];
    QString problem;
    const std::optional<QByteArray> content =
        shared::readFile(file, shared::limit::DataFile, &problem);
    if (!content) {
        complain("The category file " + file + " cannot be read. " + problem);
        Text1->setFocus();
        return;
    }
    const QuestionRead read =
        readQuestion(*content, PELMORA1.PlaceHolder[j], PELMORA1.SkipCount, PELMORA1.Answers);
    if (!read.found) {
        complain("The category file " + file + " has no questions.");
        Text1->setFocus();
        return;
    }
    PELMORA1.Question = read.question;
    PELMORA1.AnswerCount = read.answerCount;
    PELMORA1.ChosenAnswer = 0;
    writeSetting("PlaceHolders", file, PELMORA1.PlaceHolder[j]);
    if (read.cutShort) {
        // Nothing to answer, so nothing to win: the tile stays.
        complain("The category file " + file +
                 " ends in the middle of a question, so it cannot be asked.");
    } else {
        {
            Form2 question(PELMORA1, this);
            question.exec();
        }
        if (PELMORA1.ChosenAnswer == read.rightAnswer)
            Command2[Index]->hide();
        else
            platform::msgBox(
                "Sorry, that is incorrect. \r\n\r\nQuestion:  " + PELMORA1.Question +
                    "\r\n\r\nAnswer:  " + rightAnswerText(PELMORA1.Answers, read.rightAnswer) + ".",
                platform::Buttons::Ok, platform::Icon::None, "Oops");
    }
    PELMORA1.GameState = LastChance;
    for (int i = PELMORA1.FirstTile; i <= PELMORA1.LastTile; ++i)
        if (!Command2[i]->isHidden())
            PELMORA1.GameState = Playing;
    if (PELMORA1.GameState == LastChance)
        platform::msgBox("Since all of the tiles are removed, this is your last chance to solve "
                         "the puzzle.  Enter your guess in the text box below and click 'Guess'.",
                         platform::Buttons::Ok, platform::Icon::None, "Good luck");
    Text1->setFocus();
}

void Form1::Command1_Click() {
    const GuessReply reply = judgeGuess(PELMORA1.GameState, PELMORA1.Solution, Text1->text());
    platform::msgBox(reply.prompt, platform::Buttons::Ok, platform::Icon::None, reply.title);
}

} // namespace pelmora
