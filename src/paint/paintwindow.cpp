#include "paintwindow.h"
#include "canvas.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/startedprograms.h"
#include "platform/window.h"
#include "shared/bitmapfile.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>

namespace paint {

namespace {

struct ToolEntry {
    Tool tool;
    const char* caption;
};
constexpr ToolEntry Tools[] = {
    {Tool::Pencil, "&Pencil"},       {Tool::Line, "&Line"},
    {Tool::Rectangle, "&Rectangle"}, {Tool::FilledRectangle, "F&illed Rectangle"},
    {Tool::Fill, "Fl&ood Fill"},     {Tool::Eraser, "&Eraser"}};

constexpr QRgb Palette[] = {0x000000, 0x808080, 0x800000, 0x808000, 0x008000, 0x008080,
                            0x000080, 0x800080, 0xffffff, 0xc0c0c0, 0xff0000, 0xffff00,
                            0x00ff00, 0x00ffff, 0x0000ff, 0xff00ff};

void paintSwatch(QWidget* swatch, const QColor& colour) {
    swatch->setStyleSheet(
        QString("background-color: %1; border: 1px solid #404040;").arg(colour.name()));
}

} // namespace

PaintWindow::PaintWindow(const QString& path, const QImage& picture)
    : path_(path), canvas_(new Canvas(picture)) {
    setObjectName("PaintWindow");
    platform::setCaption(this, titleFor(path));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* scroll = new QScrollArea(central);
    scroll->setWidget(canvas_);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll, 1);
    setCentralWidget(central);
    buildTools();
    buildPalette();
    QMenu* file = menuBar()->addMenu("&File");
    SaveItem = file->addAction("&Save", QKeySequence::Save, this, [this] { save(); });
    file->addSeparator();
    ExitItem = file->addAction("E&xit", this, &QWidget::close);
    connect(canvas_, &Canvas::changed, this, [this] { modified_ = true; });
    const QSize room = canvas_->size() + QSize(60, 140);
    resize(room.expandedTo(QSize(480, 360)).boundedTo(QSize(1200, 900)));
}

QString PaintWindow::titleFor(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.left(1).toUpper() + name.mid(1).toLower() + " - Paint";
}

void PaintWindow::buildTools() {
    QToolBar* bar = addToolBar("Tools");
    bar->setObjectName("Tools");
    bar->setMovable(false);
    tools_ = new QActionGroup(this);
    for (const ToolEntry& entry : Tools) {
        QAction* action = bar->addAction(entry.caption);
        action->setCheckable(true);
        action->setData(int(entry.tool));
        action->setChecked(entry.tool == canvas_->tool);
        tools_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, tool = entry.tool] { canvas_->tool = tool; });
    }
}

void PaintWindow::buildPalette() {
    auto* row = new QWidget(centralWidget());
    row->setObjectName("Palette");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    currentColour_ = new QWidget(row);
    currentColour_->setObjectName("CurrentColour");
    currentColour_->setFixedSize(32, 32);
    paintSwatch(currentColour_, canvas_->colour);
    layout->addWidget(currentColour_);
    layout->addSpacing(8);
    for (QRgb rgb : Palette) {
        auto* button = new QPushButton(row);
        const QColor colour(rgb);
        button->setFixedSize(22, 22);
        button->setToolTip(colour.name());
        paintSwatch(button, colour);
        connect(button, &QPushButton::clicked, this, [this, colour] { chooseColour(colour); });
        layout->addWidget(button);
        paletteButtons << button;
    }
    layout->addStretch();
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(row);
}

void PaintWindow::chooseColour(const QColor& colour) {
    canvas_->colour = colour;
    paintSwatch(currentColour_, colour);
}

QAction* PaintWindow::toolAction(Tool tool) const {
    for (QAction* action : tools_->actions())
        if (action->data().toInt() == int(tool))
            return action;
    return nullptr;
}

bool PaintWindow::save() {
    QString problem;
    if (!shared::savePicture(path_, canvas_->picture(), &problem)) {
        platform::msgBox(
            QString("%1 could not be saved. %2").arg(QFileInfo(path_).fileName(), problem),
            platform::Buttons::Ok, platform::Icon::Exclamation, "Paint");
        return false;
    }
    modified_ = false;
    return true;
}

void PaintWindow::closeEvent(QCloseEvent* event) {
    if (modified_) {
        const platform::Answer answer =
            platform::msgBox(QString("Save changes to %1?").arg(QFileInfo(path_).fileName()),
                             platform::Buttons::YesNoCancel, platform::Icon::Exclamation, "Paint");
        if (answer == platform::Answer::Cancel || (answer == platform::Answer::Yes && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void PaintWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] { platform::announceWindowShown(titleFor(path_)); });
}

} // namespace paint
