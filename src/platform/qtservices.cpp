#include "qtservices.h"
#include "answerhook.h"
#include "filedialog.h"
#include "window.h"
#include "windowsearch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The width a title needs on a title bar: its text in a bold font, with room for the window
// icon and the minimise, maximise and close buttons beside it.
int titleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 5 * metrics.height();
}

// A run of letters with nowhere to wrap that is longer than a box is wide (a long file name)
// would be cut: it gets an unseen place to wrap, a zero-width space, every so many letters.
QString wrappable(const QString& prompt) {
    constexpr int LongestRun = 40;
    QString result;
    QTextBoundaryFinder wraps(QTextBoundaryFinder::Line, prompt);
    qsizetype from = 0;
    for (qsizetype to = wraps.toNextBoundary(); to != -1; from = to, to = wraps.toNextBoundary()) {
        for (qsizetype i = from; i < to; ++i) {
            const QChar letter = prompt.at(i);
            if ((i - from) % LongestRun == 0 && i > from && !letter.isLowSurrogate() &&
                !letter.isMark())
                result += QChar(0x200B);
            result += letter;
        }
    }
    return result;
}

// The message box: at least as wide as its title needs, its prompt laid out whole as the
// toolkit's box lays it out (long lines wrapped), and a box without Cancel answers only with
// its buttons (Esc and the close box do nothing in a Yes/No box).
class MessageBox : public QMessageBox {
  public:
    MessageBox(const MessageRequest& request, QWidget* owner)
        : QMessageBox(qtIcon(request.icon), request.title, {}, qtButtons(request.buttons), owner),
          onlyButtons_(request.buttons == Buttons::YesNo) {
        // Prompts may hold what a player typed: shown as typed, never read as markup.
        setTextFormat(Qt::PlainText);
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        setText(wrappable(request.prompt));
        // The prompt's column is as wide as the title needs: a spacer beside the prompt, not a
        // minimum on it, which would keep it from wrapping and cut every longer line.
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (auto* prompt = findChild<QLabel*>("qt_msgbox_label"); grid && prompt) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(prompt), &row, &column, &rowSpan, &columnSpan);
            grid->addItem(new QSpacerItem(titleBarWidth(request.title), 0), row, column);
        }
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (onlyButtons_ && event->matches(QKeySequence::Cancel))
            return event->accept();
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (onlyButtons_)
            return event->ignore();
        QMessageBox::closeEvent(event);
    }

  private:
    bool onlyButtons_;
};

} // namespace

Answer QtServices::messageBox(const MessageRequest& request) {
    if (const auto answer = hookAnswer())
        return answerNamed(*answer);
    MessageBox box(request, ownerWindow());
    // Start-up measurements and checks run unattended: a box answers as if closed.
    if (qEnvironmentVariableIsSet("QUIBLAX_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &box, [&box, &request] {
            box.button(request.buttons == Buttons::YesNo ? QMessageBox::No
                       : request.buttons == Buttons::Ok  ? QMessageBox::Ok
                                                         : QMessageBox::Cancel)
                ->click();
        });
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

std::optional<QString> QtServices::inputBox(const InputRequest& request) {
    if (const auto answer = hookAnswer())
        return answer;
    bool ok = false;
    QString text = QInputDialog::getText(ownerWindow(), request.title, request.prompt,
                                         QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtServices::fileDialog(const FileDialogRequest& request) {
    return runFileDialog(request, ownerWindow());
}

bool QtServices::startProgram(const QString& program, const QStringList& arguments) {
    return started_.start(program, arguments);
}

bool QtServices::programRuns(const QString& program) {
    return started_.runs(program);
}

bool QtServices::windowExists(const QString& title) {
    if (const std::optional<bool> found = displayHasWindow(title))
        return *found;
    return started_.windowShown(title);
}

void QtServices::beep() {
    QApplication::beep();
}

void QtServices::endProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void QtServices::playWave(const QString&, const std::optional<QByteArray>& wave) {
    if (wave)
        player_.playWave(*wave);
}

} // namespace platform
