#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

extern char **environ;

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Args environment(const std::map<std::string, std::string> &set)
{
    Args env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!set.count(entry.substr(0, entry.find('='))))
            env.push_back(entry);
    }
    for (const auto &[name, value] : set)
        env.push_back(name + '=' + value);
    return env;
}

std::vector<char *> pointers(Args &strings)
{
    std::vector<char *> p;
    for (std::string &s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

Finished run(Args argv, Args env, int timeoutMs)
{
    Finished f;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return f;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::vector<char *> av = pointers(argv), ev = pointers(env);

    pid_t pid = 0;
    f.spawnedNs = nowNs();
    const int spawned = posix_spawn(&pid, av[0], &actions, nullptr, av.data(), ev.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", av[0], std::strerror(spawned));
        return f;
    }

    const long long deadline = nowNs() + (long long)timeoutMs * 1'000'000;
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        pollfd p{pipeFds[0], POLLIN, 0};
        const int left = int(std::max(0LL, (deadline - nowNs()) / 1'000'000));
        const int ready = poll(&p, 1, left);
        if (ready == 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (ready < 0)
            continue; // interrupted
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        f.out.append(buffer, std::size_t(n));
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
    }
    f.maxRssKiB = usage.ru_maxrss;
    f.cpuMs = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6
               + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec))
              / 1e3;
    f.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (timedOut)
        std::fprintf(stderr, "%s did not finish in time\n", av[0]);
    else if (!f.ok)
        std::fprintf(stderr, "%s failed: %s %d\n", av[0],
                     WIFEXITED(status) ? "exit code" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
    return f;
}
