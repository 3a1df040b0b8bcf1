#include "form3.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/files.h"
#include "shared/numbertext.h"

#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hangman {

namespace {

constexpr unsigned LightGrey = 0xC0C0C0;

void oops(const QString& prompt) {
    platform::msgBox(prompt, platform::Buttons::Ok, platform::Icon::None, "Oops");
}

template <typename Control> Control* place(Control* control, const QString& name, QRect twips) {
    control->setObjectName(name);
    control->setGeometry(
        platform::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    return control;
}

// Labels are opaque, so the frames behind them do not run through their text.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect twips) {
    QLabel* label = place(new QLabel(text, parent), name, twips);
    platform::setBackground(label, LightGrey);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, QRect twips) {
    QLineEdit* box = place(new QLineEdit(parent), name, twips);
    platform::setBackground(box, LightGrey);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, platform::colourFromBgr(LightGrey));
    box->setPalette(palette);
    return box;
}

QFrame* makeShape(QWidget* parent, const QString& name, QRect twips) {
    QFrame* shape = place(new QFrame(parent), name, twips);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    return shape;
}

} // namespace

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Hangman - Edit Puzzle");
    setFixedSize(platform::twipsSize(5985, 2925));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, LightGrey);

    makeShape(this, "Shape1", {825, 900, 4125, 1455});
    makeShape(this, "Shape2", {975, 705, 1590, 405});
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
        void (Form3::*handler)();
    } buttons[] = {
        {&Command4, "Command4", "|<", 0, &Form3::Command4_Click},
        {&Command2, "Command2", "<", 615, &Form3::Command2_Click},
        {&Command1, "Command1", ">", 1260, &Form3::Command1_Click},
        {&Command3, "Command3", ">|", 1875, &Form3::Command3_Click},
        {&Command5, "Command5", "Load", 2640, &Form3::Command5_Click},
        {&Command6, "Command6", "Save", 3270, &Form3::Command6_Click},
        {&Command7, "Command7", "Close", 3900, &Form3::Command7_Click},
    };
    for (const auto& b : buttons) {
        *b.button = place(new QPushButton(b.caption, this), b.name, {b.left, 15, 615, 315});
        (*b.button)->setAutoDefault(false);
        (*b.button)->setFocusPolicy(Qt::ClickFocus);
        connect(*b.button, &QPushButton::clicked, this, b.handler);
    }
    makeLabel(this, "Label3", "Puzzle:", {1095, 825, 765, 240});
    WhatPuzzle = makeBox(this, "WhatPuzzle", {1920, 825, 1320, 255});
    WhatPuzzle->setFrame(false);
    makeLabel(this, "Label1", "Clue:", {1485, 1395, 615, 315});
    WhatClue = makeBox(this, "WhatClue", {2220, 1350, 2325, 405});
    makeLabel(this, "Label2", "Answer:", {1230, 1830, 795, 285});
    WhatAnswer = makeBox(this, "WhatAnswer", {2220, 1740, 2325, 405});
    WhatAnswer->setMaxLength(MaxAnswerLength);
    Label4 = makeLabel(this, "Label4", "Entry # of #", {15, 2640, 3600, 270});
    setTabOrder(WhatPuzzle, WhatClue);
    setTabOrder(WhatClue, WhatAnswer);

    connect(WhatClue, &QLineEdit::textChanged, this, &Form3::WhatClue_Change);
    connect(WhatAnswer, &QLineEdit::textChanged, this, &Form3::WhatAnswer_Change);
    move(platform::twipsPoint(750, 1800));
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored from the task bar is shown again too; that must not start a new set.
    if (!event->spontaneous())
        Form_Activate();
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // Esc does not close the editor: only its Close button and the title bar do.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void Form3::Form_Activate() {
    if (EditorFresh) {
        encoding_ = shared::TextEncoding::SingleByte;
        WhatPuzzle->setText("Untitled");
        EntryCount = 1;
        EntryCur = 1;
        for (int i = 1; i <= MaxNewEntries; ++i) {
            EntryClue[i].clear();
            EntryAnswer[i].clear();
        }
        ShowEntry(EntryCur);
    }
    WhatPuzzle->setFocus();
}

void Form3::ShowEntry(int i) {
    WhatClue->setText(EntryClue[i]);
    WhatAnswer->setText(EntryAnswer[i]);
    if (i > EntryCount)
        EntryCount = i;
    Label4->setText("Entry " + shared::numberText(i) + " of " + shared::numberText(EntryCount));
}

void Form3::WhatClue_Change() {
    const QString text = WhatClue->text();
    const qsizetype p = text.indexOf(',');
    if (p >= 0) {
        platform::msgBox("Hangman is removing the comma.", platform::Buttons::Ok,
                         platform::Icon::None, "Invalid Character");
        WhatClue->setText(text.left(p) + text.mid(p + 1));
    }
    EntryClue[EntryCur] = WhatClue->text();
}

void Form3::WhatAnswer_Change() {
    EntryAnswer[EntryCur] = WhatAnswer->text();
}

bool Form3::isComplete(int i) const {
    return !EntryClue[i].trimmed().isEmpty() && !EntryAnswer[i].trimmed().isEmpty();
}

void Form3::Command1_Click() {
    // A loaded set may hold more than 100 entries: the button steps through them all, but
    // makes a new entry only up to the 100th.
    if (!isComplete(EntryCur))
        oops("You can't make a new entry until you have filled in this one.");
    else if (EntryCur < EntryCount || EntryCur < MaxNewEntries)
        ++EntryCur;
    else
        oops("100 is the maximum number of entries.");
    ShowEntry(EntryCur);
}

void Form3::Command2_Click() {
    if (!isComplete(EntryCur) && EntryCur == EntryCount && EntryCur > 1)
        --EntryCount;
    EntryCur = std::max(1, EntryCur - 1);
    ShowEntry(EntryCur);
}

void Form3::Command3_Click() {
    if (isComplete(EntryCur)) {
        if (EntryCount > EntryCur)
            EntryCur = EntryCount;
    } else {
        oops("You can't move to a new entry until you have filled in this one.");
    }
    ShowEntry(EntryCur);
}

void Form3::Command4_Click() {
    if (isComplete(EntryCur))
        EntryCur = 1;
    else
        oops("You can't move to a new entry until you have filled in this one.");
    ShowEntry(EntryCur);
}

void Form3::setUpDialog() {
    CMDialog1.DefaultExt = "hng";
    CMDialog1.DialogTitle = "Select Hangman File";
    CMDialog1.Filter = "HangMan Files (*.hng)|*.hng|All Files(*.*)|*.*";
    CMDialog1.FilterIndex = 1;
    CMDialog1.FileName = "";
}

void Form3::Command5_Click() {
    setUpDialog();
    CMDialog1.Flags = platform::CommonDialog::FileMustExist | platform::CommonDialog::NoChangeDir;
    CMDialog1.setAction(platform::CommonDialog::ShowOpen);
    if (CMDialog1.FileName.trimmed().isEmpty())
        return;
    PickedFile = CMDialog1.FileName.trimmed();
    QString problem;
    const std::optional<QByteArray> content =
        shared::readFile(PickedFile, shared::limit::DataFile, &problem);
    std::variant<PuzzleSet, QString> read = content ? parsePuzzleSet(*content) : problem;
    if (const PuzzleSet* set = std::get_if<PuzzleSet>(&read);
        set && set->puzzles.size() > MaxEditorEntries)
        read = QString("It holds %1 puzzles; the editor takes at most %2.")
                   .arg(set->puzzles.size())
                   .arg(MaxEditorEntries);
    if (const QString* why = std::get_if<QString>(&read)) {
        oops(QString("%1 cannot be loaded.\n%2").arg(PickedFile, *why));
        return;
    }
    const PuzzleSet& set = std::get<PuzzleSet>(read);
    encoding_ = set.encoding;
    WhatPuzzle->setText(set.title);
    WhatPuzzle->home(false); // a long title shows from its start
    EntryCount = int(set.puzzles.size());
    for (int i = 1; i <= MaxEditorEntries; ++i) {
        const bool loaded = i <= EntryCount;
        EntryClue[i] = loaded ? set.puzzles[i - 1].clue : QString();
        EntryAnswer[i] = loaded ? set.puzzles[i - 1].answer : QString();
    }
    EntryCur = 1;
    ShowEntry(EntryCur);
}

std::optional<QList<Puzzle>> Form3::entriesToSave() {
    const int count = isComplete(EntryCount) ? EntryCount : EntryCount - 1;
    if (count < 1) {
        oops("There is nothing to save yet: fill in a clue and its answer first.");
        return std::nullopt;
    }
    if (!canBeWritten(WhatPuzzle->text())) {
        oops("The title cannot be stored in a puzzle set: it begins with a double quote, or "
             "holds a double quote and a comma.");
        return std::nullopt;
    }
    QList<Puzzle> entries;
    for (int i = 1; i <= count; ++i) {
        if (!canBeWritten(EntryClue[i]) || !canBeWritten(EntryAnswer[i])) {
            oops(QString("Entry%1 cannot be stored in a puzzle set: its clue or answer begins "
                         "with a double quote, or holds a double quote and a comma.")
                     .arg(shared::numberText(i)));
            return std::nullopt;
        }
        entries.append({EntryClue[i], EntryAnswer[i]});
    }
    return entries;
}

void Form3::Command6_Click() {
    const std::optional<QList<Puzzle>> entries = entriesToSave();
    if (!entries)
        return;
    setUpDialog();
    CMDialog1.Flags = platform::CommonDialog::NoChangeDir;
    CMDialog1.setAction(platform::CommonDialog::ShowSave);
    if (CMDialog1.FileName.trimmed().isEmpty())
        return;
    PickedFile = CMDialog1.FileName.trimmed();
    EditorFresh = false;
    if (QFileInfo::exists(PickedFile) &&
        platform::msgBox(PickedFile + " already exists!  OverWrite?", platform::Buttons::YesNo,
                         platform::Icon::Exclamation,
                         "Hangman - Overwrite?") != platform::Answer::Yes)
        return;
    QString problem;
    if (!shared::saveFile(PickedFile, editorContent(WhatPuzzle->text(), *entries, encoding_),
                          &problem)) {
        oops(QString("The puzzle set cannot be saved as %1.\n%2").arg(PickedFile, problem));
        return;
    }
    if (entries->size() < EntryCount) {
        EntryCount = int(entries->size());
        EntryCur = EntryCount;
        ShowEntry(EntryCur);
    }
}

void Form3::Command7_Click() {
    hide();
}

} // namespace hangman
