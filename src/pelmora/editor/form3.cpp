#include "form3.h"
#include "paintwait.h"
#include "pelmora/puzzlefile.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/runtimeerror.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "puzzlenames.h"
#include "shared/bitmapfile.h"
#include "shared/files.h"
#include "shared/numbertext.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace pelmora::editor {

namespace {

constexpr unsigned Teal = 0x808000;
const QString Untitled = "Puzzle Editor - Untitled";
const QString CaptionStart = "Puzzle Editor - ";
const QString TempPicture = "PelmTemp.bmp";
const QStringList PaintTitles = {"Pelmtemp.bmp - Paint", "Paintbrush - PelmTemp.bmp",
                                 "Pelmtemp - Paint"};
const QString PaintRunning =
    "Pelmora thinks that Paintbrush is still running.  Close Paintbrush first.  If Paintbrush "
    "is not running, close the puzzle editor, open it again and tell the maker of Pelmora "
    "(see Help, About) what you did before this message appeared.";
const QString PaintNotice =
    "The image that is displayed (if any) will be loaded into Paint Brush.  When you have "
    "finished making changes, save your changes to PELMTEMP.BMP and exit Paint Brush.  Your "
    "changes will then be reflected here.  IMPORTANT:  If you save your picture as anything "
    "other than PELMTEMP.BMP, Pelmora will think you have completed editing and may not give "
    "you the results you want.";
const QString BadName =
    "Invalid File Name!  Please use standard 8.3 File Name.  Extension must be puz";

// A data file of the editor; where it is missing or unreadable, a blank picture of the box.
QImage dataPicture(const QString& name) {
    if (std::optional<QImage> picture =
            shared::readPicture(platform::resolveFileName(name), nullptr))
        return *picture;
    QImage blank(platform::twipsSize(5385, 5300), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

} // namespace

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle(Untitled);
    resize(platform::twipsSize(5625, 6390));
    platform::setBackground(this, Teal);
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    buildControls();
}

void Form3::buildControls() {
    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(platform::twipsRect(120, 75, 5385, 5300));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setBackgroundRole(QPalette::Base);
    Picture1->setAutoFillBackground(true);

    Label1 = new QLabel("Solution", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(platform::twipsRect(165, 5490, 990, 375));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QPalette white = Label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(white);

    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(platform::twipsRect(1275, 5460, 4215, 345));
    QPalette box = Text1->palette();
    box.setColor(QPalette::Base, platform::colourFromBgr(Teal));
    box.setColor(QPalette::Text, Qt::white);
    Text1->setPalette(box);
    connect(Text1, &QLineEdit::textChanged, this, &Form3::Text1_Change);

    Command5 = makeButton(this, "Command5", "Clea&r", platform::twipsRect(60, 5955, 1020, 300));
    Command3 = makeButton(this, "Command3", "&Load", platform::twipsRect(1170, 5955, 1020, 300));
    Command4 = makeButton(this, "Command4", "&P Brush", platform::twipsRect(2265, 5955, 885, 300));
    Command1 = makeButton(this, "Command1", "&Save", platform::twipsRect(3240, 5955, 1035, 300));
    Command2 = makeButton(this, "Command2", "&Close", platform::twipsRect(4365, 5955, 1035, 300));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
}

void Form3::Form_Load() {
    platform::centreWindow(this);
    Text1->clear();
    encoding_ = shared::TextEncoding::SingleByte;
    showPicture(dataPicture("empty.bmp"));
    EditState = Clean;
    Text1->setFocus();
}

void Form3::showPicture(const QImage& picture) {
    picture_ = picture;
    Picture1->setPixmap(QPixmap::fromImage(picture));
}

void Form3::Text1_Change() {
    EditState = Modified;
}

void Form3::refuseWhilePainting(const QString& title) {
    platform::msgBox(PaintRunning, platform::Buttons::Ok, platform::Icon::Critical, title);
}

bool Form3::saveQuestionAllowsGoingOn(const QString& question) {
    if (platform::msgBox(question, platform::Buttons::YesNo, platform::Icon::Question) !=
        platform::Answer::Yes)
        return true;
    const int remembered = EditState;
    EditState = AskedToSave;
    Command1_Click();
    const bool notDone = EditState == SaveNotDone;
    EditState = remembered;
    return !notDone;
}

QString Form3::choosePuzzleFile(const QString& title, int action) {
    CMDialog1.DialogTitle = title;
    CMDialog1.Filter = "Puzzle (*.PUZ)";
    CMDialog1.FileName = "*.PUZ";
    CMDialog1.FilterIndex = 1;
    CMDialog1.DefaultExt = "PUZ";
    CMDialog1.CancelError = true;
    try {
        CMDialog1.setAction(action);
    } catch (const platform::RunTimeError& error) {
        if (error.number() != platform::error::DialogCancelled)
            throw;
        CMDialog1.FileName.clear();
    }
    return CMDialog1.FileName;
}

bool Form3::writePuzzle(const QString& puzzlePath, const QString& picturePath, QString* problem) {
    const QString unchanged = "  The files are as they were.";
    // A picture that could not be read back is refused before anything is written.
    const std::optional<QByteArray> bitmap = shared::pictureBytes(picture_, "bmp", problem);
    if (!bitmap) {
        *problem += unchanged;
        return false;
    }
    // The old puzzle file is kept aside, so a picture that cannot be written puts it back.
    const bool puzzleExisted = QFileInfo(puzzlePath).isFile();
    QString why;
    const std::optional<QByteArray> oldPuzzle =
        puzzleExisted ? shared::readFile(puzzlePath, shared::limit::DataFile, &why, "puzzle file")
                      : std::optional<QByteArray>(QByteArray());
    if (!oldPuzzle) {
        *problem =
            "The puzzle file already there cannot be kept aside while the new one is written.  " +
            why + unchanged;
        return false;
    }
    if (!shared::saveFile(puzzlePath, puzzleFileBytes(Text1->text(), picturePath, 1, encoding_),
                          problem)) {
        *problem += unchanged;
        return false;
    }
    if (shared::saveFile(picturePath, *bitmap, &why))
        return true;
    *problem = QString("The picture %1 cannot be written.  %2").arg(picturePath, why);
    if (puzzleExisted ? shared::saveFile(puzzlePath, *oldPuzzle, &why) : QFile::remove(puzzlePath))
        *problem += unchanged;
    else if (puzzleExisted)
        *problem += "  The old puzzle file could not be put back either, so it holds the new "
                    "solution.  " +
                    why;
    else
        *problem += "  The new puzzle file could not be removed again.";
    return false;
}

void Form3::Command1_Click() {
    const auto notDone = [this] {
        if (EditState == AskedToSave)
            EditState = SaveNotDone;
    };
    if (EditState == Painting) {
        platform::msgBox("Can not save while Paintbrush is editing PelmTemp.bmp",
                         platform::Buttons::Ok, platform::Icon::Critical);
        return;
    }
    if (shared::trimBlanks(Text1->text()).isEmpty()) {
        platform::msgBox("You must provide a solution", platform::Buttons::Ok,
                         platform::Icon::Critical);
        notDone();
        return;
    }
    const QString path = choosePuzzleFile("Save Puzzle", platform::CommonDialog::ShowSave);
    if (path.isEmpty()) {
        notDone();
        return;
    }
    if (!isAcceptedPuzzleName(path)) {
        platform::msgBox(BadName, platform::Buttons::Ok, platform::Icon::Exclamation, "Oops");
        notDone();
        return;
    }
    const QString picturePath = picturePathFor(path);
    QString problem;
    if (!writePuzzle(path, picturePath, &problem)) {
        platform::msgBox(QString("The puzzle cannot be saved as %1.  %2").arg(path, problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation, "Can not save puzzle");
        notDone();
        return;
    }
    platform::setCaption(this, CaptionStart + path);
    EditState = Clean;
}

void Form3::Command2_Click() {
    if (EditState == Painting &&
        platform::msgBox("Pelmora thinks that Paintbrush is still running.  Click Yes to Close "
                         "this screen anyway or click No to go back to the editor",
                         platform::Buttons::YesNo, platform::Icon::Exclamation,
                         "Close during edit?") != platform::Answer::Yes)
        return;
    if (EditState == Modified && !saveQuestionAllowsGoingOn("Do you wish to save your changes?"))
        return;
    unload();
}

void Form3::Command3_Click() {
    if (EditState == Painting) {
        refuseWhilePainting("Can not load puzzle");
        return;
    }
    if (EditState == Modified &&
        !saveQuestionAllowsGoingOn("Do you wish to save your changes to the current puzzle?"))
        return;
    const QString path =
        choosePuzzleFile("Load Puzzle for Editing", platform::CommonDialog::ShowOpen);
    if (path.isEmpty())
        return;
    const std::optional<PuzzleHead> head = readPuzzleHead(path);
    if (!head)
        return;
    Text1->setText(head->solution);
    encoding_ = head->encoding;
    const std::optional<QImage> picture =
        shared::readPicture(platform::resolveFileName(head->picturePath), nullptr);
    if (!picture)
        return;
    showPicture(*picture);
    platform::setCaption(this, CaptionStart + path);
    EditState = Clean;
}

void Form3::Command5_Click() {
    if (EditState == Painting) {
        refuseWhilePainting("Can not clear puzzle");
        return;
    }
    if (EditState == Modified &&
        !saveQuestionAllowsGoingOn("Do you wish to save your changes to the current puzzle?"))
        return;
    Text1->clear();
    encoding_ = shared::TextEncoding::SingleByte;
    showPicture(dataPicture("empty.bmp"));
    setWindowTitle(Untitled);
    EditState = Clean;
}

bool Form3::paintWindowExists() const {
    for (const QString& title : PaintTitles)
        if (platform::windowExists(title))
            return true;
    return false;
}

void Form3::Command4_Click() {
    if (EditState == Painting) {
        refuseWhilePainting("Can not run Paintbrush");
        return;
    }
    platform::msgBox(PaintNotice, platform::Buttons::Ok, platform::Icon::None,
                     "About to run Paint Brush");
    const QImage before = picture_;
    const int stateBefore = EditState;
    // The paint program gets the name of the file as it lies on disk, whatever case an older
    // copy was written in, and the picture is read back from that same file.
    const QString temporary = platform::resolveFileName(TempPicture);
    QString problem;
    if (!shared::saveBitmap(temporary, picture_, &problem)) {
        platform::msgBox(QString("The picture cannot be handed to Paint Brush: %1 cannot be "
                                 "written.  %2")
                             .arg(TempPicture, problem),
                         platform::Buttons::Ok, platform::Icon::Critical, "Can not run Paintbrush");
        return;
    }
    if (!platform::shell("mspaint.exe " + QFileInfo(temporary).fileName(),
                         platform::WindowStyle::NormalFocus))
        return;
    EditState = Painting;
    const QPointer<Form3> self(this);
    const auto gone = [self] { return !self || self->unloaded_; };
    // The wait ends as soon as paint shows its window, or has ended without showing it. The
    // program is asked about first, so a window it shows meanwhile is still found.
    bool opened = false;
    bool ended = false;
    waitUntil(
        [&] {
            const bool runs = platform::shellProgramRuns("mspaint.exe");
            opened = !gone() && paintWindowExists();
            ended = !opened && !runs;
            return gone() || opened || ended;
        },
        paintPollMs, paintOpenTimeoutMs);
    if (gone())
        return;
    if (!opened) {
        if (EditState == Painting)
            EditState = stateBefore;
        const QString why =
            ended ? QString("Paint Brush has ended without opening its window")
                  : QString("Paint Brush did not open its window within %1 seconds, so "
                            "Pelmora has stopped waiting for it")
                        .arg(paintOpenTimeoutMs / 1000);
        platform::msgBox(why + ".  The puzzle is as it was.", platform::Buttons::Ok,
                         platform::Icon::Exclamation, "Can not run Paintbrush");
        return;
    }
    showPicture(dataPicture("Waiting.bmp"));
    waitUntil([&] { return gone() || !paintWindowExists(); }, paintPollMs, -1);
    if (gone())
        return;
    const std::optional<QImage> painted = shared::readPicture(temporary, &problem);
    if (!painted) {
        showPicture(before);
        if (EditState == Painting)
            EditState = stateBefore;
        platform::msgBox(QString("The picture cannot be read back from %1.  %2  The editor "
                                 "keeps the picture it had before.")
                             .arg(TempPicture, problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation, "Paint Brush");
        return;
    }
    showPicture(*painted);
    EditState = Modified;
}

void Form3::unload() {
    unloaded_ = true;
    done(QDialog::Accepted);
}

void Form3::closeEvent(QCloseEvent* event) {
    // The close box unloads the editor at once, without Close's questions.
    unloaded_ = true;
    QDialog::closeEvent(event);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // Esc does not close the editor: only Close and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pelmora::editor
