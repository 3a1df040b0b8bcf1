#include "qtservices.h"
#include "answerhook.h"
#include "window.h"
#include "windowsearch.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
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

} // namespace

Answer QtServices::messageBox(const MessageRequest& request) {
    if (const auto answer = hookAnswer())
        return answerNamed(*answer);
    QMessageBox box(qtIcon(request.icon), request.title, request.prompt, qtButtons(request.buttons),
                    ownerWindow());
    // Start-up measurements and checks run unattended: a box answers as if closed.
    if (qEnvironmentVariableIsSet("QUIBLAX_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &box, &QMessageBox::close);
    // Prompts may hold what a player typed: shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closing the box with Esc or the title bar answers as its last button would.
        return request.buttons == Buttons::YesNo ? Answer::No
               : request.buttons == Buttons::Ok  ? Answer::Ok
                                                 : Answer::Cancel;
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
    QFileDialog dialog(ownerWindow(), request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save || !request.mustExist ? QFileDialog::AnyFile
                                                          : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.nameFilters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.nameFilters.size())
        dialog.selectNameFilter(request.nameFilters.at(request.selectedFilter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.fileName.isEmpty() && !request.fileName.contains('*') &&
        !request.fileName.contains('?'))
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtServices::startProgram(const QString& program, const QStringList& arguments) {
    return started_.start(program, arguments);
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
