#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>

// While one lives, no file this process writes may grow beyond maxBytes, and the signal for
// crossing that limit is ignored: a write past it fails with EFBIG as it would on a full disk.
// The limit holds for root too. Both are put back as they were on destruction.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the lower limit is in force.
    bool applied() const { return applied_; }

  private:
    rlimit before_{};
    struct sigaction signalBefore_ {};
    bool applied_ = false;
};

// Runs call in a child process under a FileSizeLimit of maxBytes and returns the child's exit
// status (call's result, 0-255), or -1 when the child could not start, could not lower the
// limit, or did not exit normally.
int runInChild(rlim_t maxBytes, const std::function<int()>& call);
