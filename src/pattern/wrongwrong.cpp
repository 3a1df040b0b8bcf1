#include "wrongwrong.h"
#include "platform/clientarea.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/numbertext.h"
#include "shared/splash.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace pattern {

namespace {

constexpr int EnterKey = 13;
const char* const TagProperty = "Tag";
const QString Icon = ":/art/pattern-icon.png";

QLabel* makePicture(QWidget* parent, const QString& name, QRect twips) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    // Pictures are drawn unscaled from the top-left corner and clipped.
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

// The character a key press types, 13 for Enter, 0 for keys that type nothing.
int keyAscii(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return EnterKey;
    return key.text().isEmpty() ? 0 : key.text().front().unicode();
}

} // namespace

wrongwrong::wrongwrong(shared::RandomSource* random)
    : random_(random), about_(shared::AboutGame::Pattern, QPixmap(Icon), this) {
    setObjectName("wrongwrong");
    setWindowTitle("Lumbrisk");
    setWindowIcon(QIcon(Icon));
    buildControls();
    buildMenus();
}

wrongwrong::~wrongwrong() = default;

void wrongwrong::buildControls() {
    client_ = new platform::ClientArea(platform::twipsSize(3945, 3300), this);
    client_->setFont(platform::mappedFont("MS Sans Serif", 8.25, false));
    setCentralWidget(client_);
    for (int i = 0; i < BoxCount; ++i) {
        const int left = 240 + 540 * (i % 6);
        Ans[i] = new QLineEdit(client_);
        Ans[i]->setObjectName(QString("Ans%1").arg(i));
        Ans[i]->setMaxLength(std::numeric_limits<int>::max());
        Ans[i]->setGeometry(platform::twipsRect(left, 540 + 900 * (i / 6), 495, 315));
        Ans[i]->installEventFilter(this);
        if (i > 0)
            setTabOrder(Ans[i - 1], Ans[i]);
        yesorno[i] = makePicture(client_, QString("yesorno%1").arg(i),
                                 {left, 180 + 900 * (i / 6), 495, 315});
    }
    wrong = makePicture(client_, "wrong", {300, 2760, 495, 315});
    wrong->setPixmap(QPixmap(":/art/mark-wrong.png"));
    wrong->hide();
    Right = makePicture(client_, "Right", {840, 2760, 495, 315});
    Right->setPixmap(QPixmap(":/art/mark-right.png"));
    Right->hide();
    Status = makePicture(client_, "Status", {0, 2985, 3945, 315});
    Status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    platform::alignToBottom(Status);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &wrongwrong::Timer1_Timer);
}

void wrongwrong::buildMenus() {
    QMenu* game = menuBar()->addMenu("&Game");
    game->setObjectName("game_menu");
    newgame = platform::addMenuItem(game, "newgame", "&New Game", this, &wrongwrong::newgame_Click,
                                    Qt::Key_F2);
    game->addSeparator()->setObjectName("nothing1");
    closethething = platform::addMenuItem(game, "closethething", "E&xit", this,
                                          &wrongwrong::closethething_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Helpmenu");
    ContentsMenu = platform::addMenuItem(help, "ContentsMenu", "&Contents", this,
                                         &wrongwrong::ContentsMenu_Click, Qt::Key_F1);
    AboutMenu =
        platform::addMenuItem(help, "AboutMenu", "&About", this, &wrongwrong::AboutMenu_Click);
}

bool wrongwrong::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto box = std::find(Ans.begin(), Ans.end(), watched);
        if (box != Ans.end() && (*box)->isEnabled())
            Ans_KeyPress(int(box - Ans.begin()), keyAscii(*static_cast<QKeyEvent*>(event)));
    }
    // The key still goes to the box as usual.
    return QMainWindow::eventFilter(watched, event);
}

QString wrongwrong::tag(int index) const {
    return Ans[index]->property(TagProperty).toString();
}

void wrongwrong::Form_Load() {
    shared::Splash::showModal();
    resize(sizeHint()); // the design size, also where the screen is smaller
    platform::centreWindow(this);
    newgame_Click();
}

void wrongwrong::newgame_Click() {
    Module1_.missed = 0;
    Module1_.seconds = 0;
    for (int i = 0; i < BoxCount; ++i) {
        yesorno[i]->clear();
        Ans[i]->setText("");
        Ans[i]->setEnabled(false);
    }
    Ans[0]->setEnabled(true);
    Module1_.tries = 0;
    random_->reseedFromTime();
    const Sequence hidden = newSequence(*random_);
    for (int i = 0; i < BoxCount; ++i)
        Ans[i]->setProperty(TagProperty, shared::numberText(hidden[i]));
    // The strip keeps the old count until the next tick.
    show();
    Ans[0]->setFocus();
    Timer1->start();
}

void wrongwrong::Ans_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii == EnterKey)
        CheckIt(Index);
}

void wrongwrong::CheckIt(int Index) {
    const bool right = isRightEntry(tag(Index), Ans[Index]->text());
    switch (recordEntry(Module1_, right)) {
    case Outcome::Right:
        yesorno[Index]->setPixmap(Right->pixmap());
        Ans[Index]->setEnabled(false);
        moveOn(Index);
        break;
    case Outcome::TryAgain:
        yesorno[Index]->setPixmap(wrong->pixmap());
        Ans[Index]->setText("");
        break;
    case Outcome::Missed:
        yesorno[Index]->setPixmap(wrong->pixmap());
        Ans[Index]->setText(tag(Index));
        Ans[Index]->setEnabled(false);
        moveOn(Index);
        break;
    }
}

void wrongwrong::moveOn(int Index) {
    if (Index >= BoxCount - 1) {
        endGame();
        return;
    }
    Ans[Index + 1]->setEnabled(true);
    Ans[Index + 1]->setFocus();
}

void wrongwrong::endGame() {
    platform::msgBox(gameOverText(Module1_), platform::Buttons::Ok, platform::Icon::Information,
                     "Game Over");
    // The clock runs on while the message is open.
    Timer1->stop();
}

void wrongwrong::Timer1_Timer() {
    ++Module1_.seconds;
    Status->setText(shared::numberText(Module1_.seconds));
}

void wrongwrong::closethething_Click() {
    platform::endProgram();
}

void wrongwrong::ContentsMenu_Click() {
    platform::shell("winhlp32.exe pattern.hlp", platform::WindowStyle::NormalFocus);
}

void wrongwrong::AboutMenu_Click() {
    about_.showModal();
}

} // namespace pattern
