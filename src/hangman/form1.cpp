#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "puzzleset.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/splash.h"
#include "shared/uppercase.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace hangman {

namespace {

constexpr unsigned DarkGrey = 0x808080;
constexpr unsigned LightGrey = 0xC0C0C0;
constexpr unsigned WindowColour = 0xFFFFFF;
const QString Icon = ":/art/hangman-icon.png";

const int AlphaTops[] = {1440, 1830, 2220};
const int AlphaLefts[3][10] = {
    {3420, 3810, 4230, 4650, 5070, 5490, 5910, 6330, 6750, 7170},
    {3420, 3810, 4230, 4665, 5070, 5505, 5925, 6345, 6765, 7185},
    {3405, 3825, 4245, 4665, 5085, 5505},
};

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, QRect twips) {
    auto* label = new Label(parent);
    label->setObjectName(name);
    label->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    return label;
}

// A picture box: its picture drawn unscaled from the top-left corner, clipped, and not greyed
// while the window is disabled.
class PictureBox : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, pixmap()); }
};

QLabel* makePicture(QWidget* parent, const QString& name, QRect twips, const QString& art) {
    QLabel* picture = makeLabel<PictureBox>(parent, name, twips);
    if (!art.isEmpty())
        picture->setPixmap(QPixmap(art));
    return picture;
}

template <typename Label = QLabel>
Label* makeLetterBox(QWidget* parent, const QString& name, QRect twips) {
    Label* box = makeLabel<Label>(parent, name, twips);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(platform::mappedFont("MS Sans Serif", 12, true));
    platform::setBackground(box, WindowColour);
    return box;
}

// Qt reads "[*]" in a caption as the unsaved-changes mark; doubled, it shows as written.
QString literalCaption(QString caption) {
    return caption.replace("[*]", "[*][*]");
}

// PuzzleName is a stored name: what Options picked, or what the settings file holds.
bool setFileExists(const QString& name) {
    const QFileInfo info(platform::resolveFileName(name));
    return !name.trimmed().isEmpty() && info.exists() && !info.isDir();
}

std::variant<PuzzleSet, QString> readPuzzleSet(const QString& name) {
    QString problem;
    const std::optional<QByteArray> content =
        shared::readFile(platform::resolveFileName(name), shared::limit::DataFile, &problem);
    if (!content)
        return problem;
    return parsePuzzleSet(*content);
}

} // namespace

Form1::Form1() : about_(shared::AboutGame::Hangman, QPixmap(Icon), this) {
    setObjectName("Form1");
    setWindowTitle("Hangman");
    setWindowIcon(QIcon(Icon));
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    buildMenus();
    // Disabled while the result is shown, the window takes no input but keeps its look.
    QPalette look = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        look.setColor(QPalette::Disabled, QPalette::ColorRole(role),
                      look.color(QPalette::Active, QPalette::ColorRole(role)));
    setPalette(look);
}

Form1::~Form1() = default;

void Form1::buildControls() {
    client_ = new QWidget(this);
    client_->setFixedSize(platform::twipsSize(8580, 4320));
    client_->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(client_, DarkGrey);
    setCentralWidget(client_);

    Hanger = makePicture(client_, "Hanger", {660, 195, 1920, 3105}, ":/art/hangman-gallows.png");
    platform::setBackground(Hanger, 0xF5EEE6);
    Head = makePicture(Hanger, "Head", {765, 375, 810, 945}, ":/art/hangman-head.png");
    body = makePicture(Hanger, "body", {975, 1320, 330, 720}, ":/art/hangman-body.png");
    larm = makePicture(Hanger, "larm", {705, 1365, 285, 645}, ":/art/hangman-larm.png");
    rarm = makePicture(Hanger, "rarm", {1260, 1350, 285, 615}, ":/art/hangman-rarm.png");
    lfoot = makePicture(Hanger, "lfoot", {780, 1965, 345, 510}, ":/art/hangman-lfoot.png");
    rfoot = makePicture(Hanger, "rfoot", {1125, 1980, 390, 495}, ":/art/hangman-rfoot.png");
    for (QLabel* part : parts())
        part->hide();
    Face1 = makePicture(client_, "Face1", {7590, 120, 810, 945}, {});
    Face1->setPixmap(Head->pixmap());
    Face1->hide();

    for (int i = 0; i < LetterCount; ++i) {
        const int row = i / 10;
        alpha[i] = makeLetterBox<platform::ClickLabel>(
            client_, QString("alpha%1").arg(i),
            {AlphaLefts[row][i % 10], AlphaTops[row], 285, 285});
        alpha[i]->setText(QString(QChar(65 + i)));
        connect(alpha[i], &platform::ClickLabel::clicked, this, [this, i] { alpha_Click(i); });
    }
    for (int i = 0; i < AnswerSlots; ++i) {
        answer[i] =
            makeLetterBox(client_, QString("answer%1").arg(i), {435 + 255 * i, 3615, 240, 285});
        answer[i]->hide();
    }
    title = makeLabel(client_, "title", {3255, 2970, 4560, 315});
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(platform::mappedFont("MS Sans Serif", 9.75, false));
    platform::setBackground(title, LightGrey);
    Label1 = makeLabel(client_, "Label1", {15, 4065, 3975, 240});
    Label1->setFont(platform::mappedFont("Small Fonts", 6.75, false));
    Label1->setText("Guess the answer one letter at a time.");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

void Form1::buildMenus() {
    QMenu* game = menuBar()->addMenu("&Game");
    game->setObjectName("GameMenu");
    NewGame1 = platform::addMenuItem(game, "NewGame1", "&New Game", this, &Form1::NewGame1_Click,
                                     Qt::Key_F2);
    Options = platform::addMenuItem(game, "Options", "&Options", this, &Form1::Options_Click);
    EdPuzzles = platform::addMenuItem(game, "EdPuzzles", "&Puzzles", this, &Form1::EdPuzzles_Click);
    game->addSeparator()->setObjectName("Blank1");
    CloseIt = platform::addMenuItem(game, "CloseIt", "E&xit", this, &Form1::CloseIt_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("HelpMenu");
    HelpMe =
        platform::addMenuItem(help, "HelpMe", "&Contents", this, &Form1::HelpMe_Click, Qt::Key_F1);
    AboutBox = platform::addMenuItem(help, "AboutBox", "&About", this, &Form1::AboutBox_Click);
}

Form3* Form1::editor() {
    if (!Form3_)
        Form3_ = std::make_unique<Form3>(this);
    return Form3_.get();
}

Form4* Form1::result() {
    if (!Form4_)
        Form4_ = std::make_unique<Form4>(this);
    return Form4_.get();
}

std::array<QLabel*, FigureParts> Form1::parts() const {
    return {Head, body, larm, rarm, lfoot, rfoot};
}

void Form1::setCaption(const QString& caption) {
    setWindowTitle(literalCaption(caption));
}

void Form1::settingsProblem(const QString& problem) {
    if (settingsProblemShown_)
        return;
    settingsProblemShown_ = true;
    platform::msgBox(QString("The settings file %1 cannot be made or read, so Hangman starts "
                             "with its usual settings.\n%2")
                         .arg(platform::resolveFileName(SettingsFile(WinDir_).path()), problem),
                     platform::Buttons::Ok, platform::Icon::Exclamation, "Oops");
}

void Form1::Form_Load() {
    shared::Splash::showModal();
    adjustSize();
    setFixedSize(size());
    platform::centreWindow(this);
    WinDir_ = winDirFrom(platform::windowsDirectory());
    const SettingsFile settings(WinDir_);
    QString problem;
    QString key = "PuzzleName";
    PuzzleName_ = settings.ReadSetting(key, &problem);
    if (!problem.isEmpty())
        settingsProblem(problem);
    problem.clear();
    key = "HeadMoves";
    HANGMAN1_.HeadMoves = shared::upperCase(settings.ReadSetting(key, &problem)) == "TRUE";
    if (!problem.isEmpty())
        settingsProblem(problem);
    NewGame1_Click();
}

void Form1::NewGame1_Click() {
    HANGMAN1_.GameOver = 0;
    HANGMAN1_.Misses = 0;
    for (QLabel* part : parts())
        part->hide();
    HANGMAN1_.LetterUsed.fill(0);
    for (platform::ClickLabel* letter : alpha)
        platform::setBackground(letter, WindowColour);

    bool optionsRun = false;
    if (!setFileExists(PuzzleName_)) {
        platform::msgBox("No puzzles found!  Going to Options", platform::Buttons::Ok,
                         platform::Icon::Critical, "Oops");
        Options_Click();
        optionsRun = true;
    }
    std::variant<PuzzleSet, QString> read = readPuzzleSet(PuzzleName_);
    while (const QString* problem = std::get_if<QString>(&read)) {
        puzzleFileError(PuzzleName_, *problem);
        if (optionsRun) {
            platform::endProgram();
            return;
        }
        Options_Click();
        optionsRun = true;
        read = readPuzzleSet(PuzzleName_);
    }
    PuzzleSet set = std::get<PuzzleSet>(std::move(read));
    setCaption("Hangman - " + set.title);
    set.position = nextPosition(set.position, int(set.puzzles.size()));
    QString problem;
    if (!shared::saveFile(platform::resolveFileName(PuzzleName_), gameContent(set), &problem))
        platform::msgBox(QString("The puzzle set cannot be rewritten, so it will not remember "
                                 "that this puzzle was played.\n%1")
                             .arg(problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation, "Oops");
    const Puzzle& puzzle = set.puzzles[set.position - 1];
    startPuzzle(HANGMAN1_, puzzle.answer);
    showPuzzle(puzzle.clue);
}

void Form1::puzzleFileError(const QString& name, const QString& problem) {
    platform::msgBox(
        QString("Error In Puzzle File.\n%1\n%2").arg(platform::resolveFileName(name), problem),
        platform::Buttons::Ok, platform::Icon::Critical, "Oops");
}

void Form1::showPuzzle(const QString& clue) {
    for (QLabel* slot : answer) {
        slot->hide();
        slot->clear();
    }
    const QString& text = HANGMAN1_.AnswerText;
    for (int i = 0; i < text.size() && i < AnswerSlots; ++i) {
        if (HANGMAN1_.RevealMask[i] == ' ')
            continue;
        if (HANGMAN1_.RevealMask[i] == ShownAtOnce)
            answer[i]->setText(text[i]);
        answer[i]->show();
    }
    title->setText("Clue:  " + clue);
}

void Form1::alpha_Click(int Index) {
    const GuessResult guess = guessLetter(HANGMAN1_, Index);
    switch (guess.outcome) {
    case Guess::Ignored:
        return;
    case Guess::GameIsOver:
        platform::msgBox("The game is over.  Click 'New Game' to play again.",
                         platform::Buttons::Ok, platform::Icon::Critical, "Oops");
        return;
    case Guess::AlreadyUsed:
        platform::msgBox("You already used that letter!", platform::Buttons::Ok,
                         platform::Icon::Critical, "Oops");
        return;
    default:
        break;
    }
    platform::setBackground(alpha[Index], LightGrey);
    for (int i : guess.uncovered)
        if (i < AnswerSlots)
            answer[i]->setText(QString(QChar(65 + Index)));
    if (guess.outcome == Guess::Missed || guess.outcome == Guess::Lost)
        parts()[HANGMAN1_.Misses - 1]->show();
    if (guess.outcome == Guess::Won || guess.outcome == Guess::Lost) {
        setEnabled(false);
        result()->showResult(HANGMAN1_.Won == 1, HANGMAN1_.RevealMask);
    }
}

void Form1::resultClosed() {
    setEnabled(true);
    raise();
    activateWindow();
}

void Form1::Form_KeyPress(int KeyAscii) {
    if (const std::optional<int> index = letterIndex(KeyAscii))
        alpha_Click(*index);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Alt with a letter opens a menu; it types nothing.
    const QString text = event->text();
    if (!(event->modifiers() & Qt::AltModifier))
        Form_KeyPress(text.isEmpty() ? 0 : text.front().unicode());
    event->accept();
}

void Form1::Timer1_Timer() {
    if (headTick(HANGMAN1_))
        Head->setPixmap(Face1->pixmap());
}

void Form1::Options_Click() {
    CMDialog1.DefaultExt = "hng";
    CMDialog1.DialogTitle = "Select Hangman File";
    CMDialog1.Filter = "HangMan Files (*.hng)|*.hng|All Files(*.*)|*.*";
    CMDialog1.FilterIndex = 1;
    CMDialog1.Flags = platform::CommonDialog::FileMustExist | platform::CommonDialog::NoChangeDir;
    // A set that cannot be played is refused and the dialog comes again; a cancel leaves the
    // game and the settings as they were.
    for (;;) {
        CMDialog1.FileName = "";
        CMDialog1.setAction(platform::CommonDialog::ShowOpen);
        const QString picked = CMDialog1.FileName.trimmed();
        if (picked.isEmpty())
            return;
        PickedFile_ = picked;
        const std::variant<PuzzleSet, QString> read = readPuzzleSet(PickedFile_);
        const QString* problem = std::get_if<QString>(&read);
        if (!problem)
            break;
        puzzleFileError(PickedFile_, *problem);
    }
    PuzzleName_ = PickedFile_;
    QString key = "PuzzleName";
    QString problem;
    if (!SettingsFile(WinDir_).WriteSetting(key, PuzzleName_, &problem))
        platform::msgBox(QString("Hangman cannot remember this puzzle set for the next time: "
                                 "the settings file cannot be written.\n%1")
                             .arg(problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation, "Oops");
    NewGame1_Click();
}

void Form1::EdPuzzles_Click() {
    editor()->EditorFresh = true;
    editor()->exec();
}

void Form1::CloseIt_Click() {
    platform::endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    platform::endProgram();
}

void Form1::HelpMe_Click() {
    platform::shell("winhlp32 hangman.hlp", platform::WindowStyle::NormalFocus);
}

void Form1::AboutBox_Click() {
    about_.showModal();
}

} // namespace hangman
