#include "filesizelimit.h"

#include <algorithm>
#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(rlim_t maxBytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &signalBefore_);
    if (getrlimit(RLIMIT_FSIZE, &before_) != 0)
        return;
    rlimit lower = before_;
    lower.rlim_cur = std::min(maxBytes, before_.rlim_max);
    applied_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (applied_)
        setrlimit(RLIMIT_FSIZE, &before_);
    sigaction(SIGXFSZ, &signalBefore_, nullptr);
}

int runInChild(rlim_t maxBytes, const std::function<int()>& call) {
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        const FileSizeLimit limit(maxBytes);
        if (!limit.applied())
            raise(SIGKILL);
        _exit(call());
    }
    int status = 0;
    pid_t waited;
    do
        waited = waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
