#include "support/ChildProcess.h"

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// 255 is kept for a child that could not be set up.
int runInChild(const std::function<bool()>& setUp, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(setUp() ? body() : 255);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}
} // namespace

int runWithFileSizeLimit(long limitBytes, const std::function<int()>& body) {
    const auto limit = [limitBytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limitBytes), rlim_t(limitBytes)};
        return setrlimit(RLIMIT_FSIZE, &size) == 0;
    };
    return runInChild(limit, body);
}

int runAsOrdinaryUser(const std::function<int()>& body) {
    const auto becomeNobody = [] {
        const uid_t nobody = 65534;
        return geteuid() != 0 ||
               (setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0);
    };
    return runInChild(becomeNobody, body);
}
