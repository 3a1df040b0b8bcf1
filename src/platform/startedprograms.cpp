#include "startedprograms.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <csignal>
#include <sys/types.h>

namespace platform {

namespace {

// Whether a process that runs carries this entry in its environment: the started program, or
// one it started in turn, as a launcher does that hands over and ends at once.
bool carrierRuns(const QByteArray& entry) {
    for (const QString& name : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        const qint64 pid = name.toLongLong(&isProcess);
        QFile environment("/proc/" + name + "/environ");
        if (isProcess && environment.open(QIODevice::ReadOnly) &&
            environment.readAll().split('\0').contains(entry) && processRuns(pid))
            return true;
    }
    return false;
}

} // namespace

bool StartedPrograms::start(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QString marker;
    if (markers_.isValid()) {
        marker = markers_.filePath(QString("shown-%1").arg(++count_));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ShownMarkerVariable, marker);
        process.setProcessEnvironment(environment);
    }
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return false;
    started_.append({pid, program, marker});
    return true;
}

void StartedPrograms::forgetEnded() {
    for (qsizetype i = started_.size() - 1; i >= 0; --i) {
        const Started& program = started_.at(i);
        if (!processRuns(program.pid) &&
            (program.marker.isEmpty() ||
             !carrierRuns(ShownMarkerVariable + ('=' + QFile::encodeName(program.marker))))) {
            if (!program.marker.isEmpty())
                QFile::remove(program.marker);
            started_.removeAt(i);
        }
    }
}

bool StartedPrograms::windowShown(const QString& title) {
    forgetEnded();
    for (const Started& program : started_) {
        QFile marker(program.marker);
        if (!program.marker.isEmpty() && marker.open(QIODevice::ReadOnly) &&
            QString::fromUtf8(marker.read(4096)) == title)
            return true;
    }
    return false;
}

bool StartedPrograms::runs(const QString& program) {
    forgetEnded();
    for (const Started& started : started_)
        if (started.program == program)
            return true;
    return false;
}

void announceWindowShown(const QString& title) {
    const QString path = qEnvironmentVariable(ShownMarkerVariable);
    if (path.isEmpty())
        return;
    QSaveFile marker(path);
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(title.toUtf8());
        marker.commit();
    }
}

bool processRuns(qint64 pid) {
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    // A detached program is no child of ours; once it has ended it may wait as a zombie for
    // its new parent to reap it, and still answer kill.
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close < 0 || close + 2 >= line.size() ||
           (line.at(close + 2) != 'Z' && line.at(close + 2) != 'X');
}

} // namespace platform
