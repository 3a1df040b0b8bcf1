#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Where the platform has no window search (the offscreen platform), the programs we start say
// themselves when they have shown a window: each is started with QUIBLAX_SHOWN_MARKER naming a
// file, into which it writes its window's title once the window is on screen. A window then
// counts as open while its program runs and its marker holds that title. A program runs while
// it, or any program it started that still carries the marker in its environment, runs.
namespace platform {

inline constexpr char ShownMarkerVariable[] = "QUIBLAX_SHOWN_MARKER";

class StartedPrograms {
  public:
    // Starts a program without waiting for it; false when it could not be started.
    bool start(const QString& program, const QStringList& arguments);
    // Whether a program started here still runs and has shown a window with this title.
    bool windowShown(const QString& title);
    // Whether a program started here under this name still runs.
    bool runs(const QString& program);

  private:
    struct Started {
        qint64 pid;
        QString program;
        QString marker;
    };
    // Forgets the programs that have ended, with those they started, and their markers.
    void forgetEnded();
    QTemporaryDir markers_;
    QList<Started> started_;
    int count_ = 0;
};

// For a started program: tells whoever started it that a window with this title is shown.
// Does nothing when the program was not started with a marker.
void announceWindowShown(const QString& title);

// Whether the process runs (a finished process that no one has reaped yet does not).
bool processRuns(qint64 pid);

} // namespace platform
