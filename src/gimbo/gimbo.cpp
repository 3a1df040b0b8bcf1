#include "gimbo.h"
#include "hexfile.h"
#include "platform/dragcontroller.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/bitmapfile.h"
#include "shared/numbertext.h"
#include "shared/splash.h"

#include <QAction>
#include <QFontMetrics>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

namespace gimbo {

namespace {

constexpr unsigned White = 0xFFFFFF;
const QString IconFile = ":/art/gimbo-icon.png";
const char* const TagProperty = "Tag";

// Left and Top of each block, in twips.
constexpr std::array<QPoint, BlockCount> BlockPlaces = {{
    {7275, 3285}, {7275, 3840}, {6390, 2985}, {6390, 4140}, {5535, 3285}, {5535, 3840},
    {7275, 1560}, {7275, 2130}, {6390, 1260}, {6390, 2445}, {5535, 1560}, {5535, 2130},
    {4695, 720},  {4695, 1260}, {3825, 405},  {3825, 1560}, {3000, 720},  {3000, 1260},
    {4695, 2445}, {4695, 2985}, {3825, 2130}, {3825, 3285}, {3000, 2445}, {3000, 2985},
    {4695, 4140}, {4695, 4680}, {3825, 3840}, {3825, 5010}, {3000, 4140}, {3000, 4680},
    {2160, 1560}, {2160, 2130}, {1290, 1260}, {1290, 2445}, {465, 1560},  {465, 2130},
    {2160, 3285}, {2160, 3840}, {1290, 2985}, {1290, 4140}, {465, 3285},  {465, 3840},
}};

int blockWidth(int block) {
    switch (block) {
    case 7:
    case 9:
    case 14:
    case 19:
    case 27:
        return 195;
    case 15:
        return 210;
    case 21:
    case 33:
        return 225;
    default:
        return 180;
    }
}

struct HexagonPlace {
    int slot;
    QPoint place;
};
// The centre buttons in their array order.
constexpr std::array<HexagonPlace, SlotCount> HexagonPlaces = {{
    {4, {3825, 2745}},
    {2, {6390, 1830}},
    {1, {6390, 3585}},
    {3, {3825, 975}},
    {5, {3825, 4470}},
    {6, {1290, 1830}},
    {7, {1260, 3585}},
}};

const QString HintTexts[] = {
    "Make the numbers of all twelve touching pairs match",
    "Drag center block of hexagram here to rotate clockwise",
    "Drag center block of hexagram here to rotate counter-clockwise",
    "Drag this to another block or one of the rotation icons in upper left",
    "This block must match the block it points to in the opposing hexagram",
};

QLabel* makeLabel(QWidget* parent, const QString& name, QRect twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setBackground(label, White);
    return label;
}

} // namespace

Gimbo::Gimbo(shared::RandomSource* random)
    : random_(random), game_(*random_, this),
      about_(shared::AboutGame::Gimbo, QPixmap(IconFile), this), okIcon_(":/art/gimbo-ok.png"),
      haulIcon_(":/art/gimbo-haul.png") {
    setObjectName("Gimbo");
    setWindowTitle("GimboAgram");
    setWindowIcon(QIcon(IconFile));
    // Fixed, with the control box and no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    FileIO.DefaultExt = "hex";
    FileIO.FileName = "*.hex";
    FileIO.Filter = "*.hex";
    game_.playAgain = [this] { NewGame_Click(); };
    buildControls();
    buildMenus();
}

Gimbo::~Gimbo() = default;

void Gimbo::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setFixedSize(platform::twipsSize(7845, 5685));
    client_->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(client_, White);
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Image1 = makeLabel(client_, "Image1", {0, 0, 0, 0});

    drag_ = new platform::DragController(client_);
    for (int i = 0; i < BlockCount; ++i) {
        auto* block = new QLabel("6", client_);
        block->setObjectName(QString("Block%1").arg(i));
        block->setGeometry(
            platform::twipsRect(BlockPlaces[i].x(), BlockPlaces[i].y(), blockWidth(i), 210));
        block->setAlignment(Qt::AlignCenter);
        platform::setBackground(block, White);
        Block[i] = block;
        drag_->addControl(block, platform::DragController::Mode::Manual);
    }
    for (int i = 0; i < SlotCount; ++i) {
        auto* hexagon = new QPushButton(client_);
        hexagon->setObjectName(QString("Hexagon%1").arg(i));
        hexagon->setProperty(TagProperty, QString::number(HexagonPlaces[i].slot));
        hexagon->setGeometry(
            platform::twipsRect(HexagonPlaces[i].place.x(), HexagonPlaces[i].place.y(), 180, 195));
        Hexagon[i] = hexagon;
        drag_->addControl(hexagon, platform::DragController::Mode::Automatic);
    }
    Picture1 = makeLabel(client_, "Picture1", {0, 0, 465, 465});
    Picture1->setPixmap(QPixmap(":/art/arrow-clockwise.png"));
    Picture2 = makeLabel(client_, "Picture2", {555, 0, 465, 465});
    Picture2->setPixmap(QPixmap(":/art/arrow-anticlockwise.png"));
    drag_->addControl(Picture1, platform::DragController::Mode::Manual);
    drag_->addControl(Picture2, platform::DragController::Mode::Manual);
    OK = makeLabel(client_, "OK", {0, 0, 480, 480});
    OK->setPixmap(okIcon_);
    OK->hide();
    Haul = makeLabel(client_, "Haul", {7950, 2685, 555, 555});
    Haul->setPixmap(haulIcon_);
    Label3 = makeLabel(client_, "Label3", {0, 5415, 5985, 270});
    Label1 = makeLabel(client_, "Label1", {5985, 5415, 750, 270});
    Label2 = makeLabel(client_, "Label2", {6735, 5415, 1110, 270});
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Command1 = new QPushButton("Command1", client_);
    Command1->setObjectName("Command1");
    Command1->setGeometry(platform::twipsRect(9195, 2505, 600, 225));

    for (QWidget* widget :
         std::initializer_list<QWidget*>{Image1, Picture1, Picture2, Label1, Label2, Label3})
        widget->setMouseTracking(true);
    for (QWidget* widget : Block)
        widget->setMouseTracking(true);
    for (QWidget* widget : Hexagon)
        widget->setMouseTracking(true);
    for (QObject* watched : client_->children())
        if (watched != Command1 && watched->isWidgetType())
            watched->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setInterval(10);
    connect(Timer2, &QTimer::timeout, this, &Gimbo::Timer2_Timer);
    Timer2->start();

    connect(drag_, &platform::DragController::dragOver, this,
            [this](QWidget* target, QWidget* source, QPoint) {
                auto* dragged = qobject_cast<QPushButton*>(source);
                if (hexagonIndex(dragged) < 0)
                    return;
                if (int index = hexagonIndex(target); index >= 0)
                    Hexagon_DragOver(dragged, index);
                else if (target == Picture1 || target == Picture2)
                    drag_->setDragIcon(dragged, okIcon_);
                else if (blockIndex(target) >= 0)
                    drag_->setDragIcon(dragged, haulIcon_);
            });
    connect(drag_, &platform::DragController::formDragOver, this, [this](QWidget* source, QPoint) {
        if (hexagonIndex(source) >= 0)
            drag_->setDragIcon(source, haulIcon_);
    });
    connect(drag_, &platform::DragController::dragDrop, this,
            [this](QWidget* target, QWidget* source, QPoint) {
                auto* dragged = qobject_cast<QPushButton*>(source);
                if (hexagonIndex(dragged) < 0)
                    return;
                if (int index = hexagonIndex(target); index >= 0)
                    Hexagon_DragDrop(dragged, index);
                else if (target == Picture1 || target == Picture2)
                    Picture_DragDrop(dragged, target == Picture1);
            });
}

void Gimbo::buildMenus() {
    using platform::addMenuItem;
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("FileMenu");
    NewGame = addMenuItem(file, "NewGame", "&New Game", this, &Gimbo::NewGame_Click, Qt::Key_F2);
    OpenGame = addMenuItem(file, "OpenGame", "&Open", this, &Gimbo::OpenGame_Click);
    SaveGame = addMenuItem(file, "SaveGame", "&Save", this, &Gimbo::SaveGame_Click);
    SaveAsGame = addMenuItem(file, "SaveAsGame", "Save &As", this, &Gimbo::SaveAsGame_Click);
    file->addSeparator()->setObjectName("Blank1");
    CloseGame = addMenuItem(file, "CloseGame", "E&xit", this, &Gimbo::CloseGame_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Helpme");
    how2play = addMenuItem(help, "how2play", "&Contents", this, &Gimbo::how2play_Click, Qt::Key_F1);
    AboutHex = addMenuItem(help, "AboutHex", "&About", this, &Gimbo::AboutHex_Click);
}

int Gimbo::hexagonIndex(const QWidget* widget) const {
    for (int i = 0; i < SlotCount; ++i)
        if (Hexagon[i] == widget)
            return i;
    return -1;
}

int Gimbo::blockIndex(const QWidget* widget) const {
    for (int i = 0; i < BlockCount; ++i)
        if (Block[i] == widget)
            return i;
    return -1;
}

int Gimbo::slotOf(const QPushButton* hexagon) const {
    return int(shared::textToNumber(hexagon->property(TagProperty).toString()));
}

QPushButton* Gimbo::hexagonOfSlot(int slot) const {
    for (QPushButton* hexagon : Hexagon)
        if (slotOf(hexagon) == slot)
            return hexagon;
    return nullptr;
}

void Gimbo::Form_Load() {
    shared::Splash::showModal();
    adjustSize();
    platform::centreWindow(this);
    GameTitle = "GimboAgram";
    setWindowTitle(GameTitle);
    for (QPushButton* hexagon : Hexagon)
        drag_->setDragIcon(hexagon, haulIcon_);
    game_.DealHexagons();
    stretchBackground();
    loadBackground();
    Command1->setFocus();
    for (int i = 0; i < 5; ++i)
        Hints[i] = HintTexts[i];
}

void Gimbo::stretchBackground() {
    const QSize outer = platform::windowSizeTwips(this);
    Image1->setGeometry(platform::twipsRect(0, 0, outer.width() - 150, outer.height() - 400));
    stretchedFor_ = frameGeometry().size();
    showBackground();
}

void Gimbo::showBackground() {
    // Stretched once to the picture's place, not at every paint.
    if (!background_.isNull())
        Image1->setPixmap(QPixmap::fromImage(
            background_.scaled(Image1->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

bool Gimbo::event(QEvent* event) {
    // The window manager may report the frame only after the window is shown; the picture
    // then follows the outer size once it is known.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        stretchedFor_.isValid() && frameGeometry().size() != stretchedFor_)
        stretchBackground();
    return QMainWindow::event(event);
}

void Gimbo::loadBackground() {
    // Without the picture the background stays white and the game goes on.
    if (const std::optional<QImage> picture =
            shared::readPicture(platform::resolveFileName("hexms.bmp"), nullptr)) {
        background_ = *picture;
        showBackground();
    }
}

void Gimbo::dealStarted() {
    for (QLabel* block : Block)
        block->setCursor(Qt::ArrowCursor);
    show();
}

void Gimbo::blockChanged(int block) {
    Block[block]->setText(game_.Block[block]);
}

void Gimbo::hitsChanged() {
    Label2->setText(game_.Label2);
}

void Gimbo::secondsChanged() {
    Label1->setText(game_.Label1);
}

void Gimbo::clockSwitched() {
    if (!game_.Timer1Enabled)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

bool Gimbo::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseMove) {
        if (drag_->dragging())
            return false;
        if (widget == Label1 || widget == Label2 || widget == Label3)
            return true; // the hint stays as it was
        if (widget == Picture1)
            HintIndex = 1;
        else if (widget == Picture2)
            HintIndex = 2;
        else if (hexagonIndex(widget) >= 0)
            HintIndex = 3;
        else if (int block = blockIndex(widget); block >= 0)
            HintIndex = isPairedBlock(block) ? 4 : 0;
        else if (widget == client_ || widget == Image1)
            HintIndex = 0;
        // Handled here: the move is not passed on to the window surface below.
        return widget != client_;
    }
    if (blockIndex(widget) >= 0) {
        // The blocks only show numbers: a click or the focus goes on to the focus sink.
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
            type == QEvent::FocusIn) {
            Command1->setFocus();
            return type != QEvent::FocusIn;
        }
    }
    return false;
}

void Gimbo::Timer2_Timer() {
    // Only a change is drawn, so the 10 ms timer costs next to nothing.
    const QString& hint = Hints[HintIndex];
    if (Label3->text() == hint)
        return;
    // Our sans-serif runs wider than the font the line was laid out for: a hint that would
    // not fit is drawn narrower, so it shows whole.
    QFont font = client_->font();
    for (int stretch = 100;
         stretch > 60 && QFontMetrics(font).horizontalAdvance(hint) > Label3->width(); stretch -= 2)
        font.setStretch(stretch - 2);
    Label3->setFont(font);
    Label3->setText(hint);
}

void Gimbo::Hexagon_DragOver(QPushButton* source, int index) {
    if (source->property(TagProperty) != Hexagon[index]->property(TagProperty))
        drag_->setDragIcon(source, okIcon_);
}

void Gimbo::Hexagon_DragDrop(QPushButton* source, int index) {
    drag_->setDragIcon(source, haulIcon_);
    game_.swapSlots(slotOf(Hexagon[index]), slotOf(source));
}

void Gimbo::Picture_DragDrop(QPushButton* source, bool clockwise) {
    drag_->setDragIcon(source, haulIcon_);
    game_.turnSlot(slotOf(source), clockwise);
}

void Gimbo::NewGame_Click() {
    GameFile.clear();
    setWindowTitle(GameTitle);
    game_.DealHexagons();
}

void Gimbo::setTitled(const QString& path) {
    GameFile = path;
    platform::setCaption(this, GameTitle + " (" + path + ")");
}

QString Gimbo::chooseName(int action) {
    const QString unchosen = "*.hex";
    FileIO.FileName = unchosen;
    FileIO.setAction(action);
    const QString name = FileIO.FileName;
    // A cancel leaves the pattern; a chosen file's name may hold "*" or "?" like any letter.
    if (shared::trimBlanks(name).isEmpty() || name == unchosen)
        return {};
    return name;
}

void Gimbo::OpenGame_Click() {
    const QString name = chooseName(platform::CommonDialog::ShowOpen);
    if (name.isEmpty())
        return;
    // The whole file is read and checked before anything of the game changes.
    const std::variant<SavedGame, QString> read = readHexFile(name);
    if (const QString* problem = std::get_if<QString>(&read)) {
        platform::msgBox(QString("The game %1 cannot be opened.\n%2").arg(name, *problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    const SavedGame& saved = std::get<SavedGame>(read);
    for (int slot = 1; slot <= SlotCount; ++slot)
        game_.SlotTile[slot] = saved.slotTile[slot - 1];
    for (int tile = 1; tile <= SlotCount; ++tile)
        for (int edge = 1; edge <= EdgeCount; ++edge)
            game_.Tiles[tile][edge] = saved.tiles[tile - 1][edge - 1];
    // Named before it is drawn: a win shown while drawing then starts an untitled game.
    game_.setClock(true);
    game_.Seconds = saved.seconds;
    setTitled(name);
    for (int slot = 1; slot <= game_.NumHex; ++slot)
        game_.ShowHexagon(slot);
    game_.CheckHits();
}

bool Gimbo::saveTo(const QString& path) {
    QString problem;
    if (writeHexFile(path, savedGameOf(game_), &problem))
        return true;
    platform::msgBox(QString("The game cannot be saved as %1.\n%2").arg(path, problem),
                     platform::Buttons::Ok, platform::Icon::Exclamation);
    return false;
}

void Gimbo::SaveGame_Click() {
    if (!shared::trimBlanks(GameFile).isEmpty()) {
        if (saveTo(GameFile))
            setTitled(GameFile);
        game_.CheckHits();
        return;
    }
    SaveAsGame_Click();
}

void Gimbo::SaveAsGame_Click() {
    const QString name = chooseName(platform::CommonDialog::ShowSave);
    if (name.isEmpty())
        return;
    if (saveTo(name))
        setTitled(name);
    game_.CheckHits();
}

void Gimbo::CloseGame_Click() {
    platform::endProgram();
}

void Gimbo::how2play_Click() {
    platform::shell("winhlp32.exe gimbo.hlp", platform::WindowStyle::MinimizedFocus);
}

void Gimbo::AboutHex_Click() {
    about_.showModal();
}

} // namespace gimbo
