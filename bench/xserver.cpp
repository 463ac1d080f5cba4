#include "xserver.h"

#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

extern char **environ;

namespace {

volatile pid_t xvfbPid = 0;
int xvfbPipe = -1;

} // namespace

std::optional<int> startXvfb()
{
    for (int display = 120; display < 200; ++display) {
        struct stat st;
        if (stat(("/tmp/.X" + std::to_string(display) + "-lock").c_str(), &st) == 0
            || stat(("/tmp/.X11-unix/X" + std::to_string(display)).c_str(), &st) == 0)
            continue;
        int pipeFds[2];
        if (pipe2(pipeFds, O_CLOEXEC) != 0)
            return std::nullopt;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        // With -displayfd the server writes its display number once it
        // takes connections.
        Args argv = {"Xvfb", ":" + std::to_string(display), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-displayfd", "1"};
        const std::vector<char *> av = pointers(argv);
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, av.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        if (spawned != 0) {
            close(pipeFds[0]);
            std::fprintf(stderr, "cannot start Xvfb: %s\n", std::strerror(spawned));
            return std::nullopt;
        }
        // Read up to the line's end, and keep the pipe open while the
        // server runs: a write into a closed pipe would end it.
        std::string line;
        char c = 0;
        pollfd p{pipeFds[0], POLLIN, 0};
        while (line.find('\n') == std::string::npos && poll(&p, 1, 10'000) > 0
               && read(pipeFds[0], &c, 1) == 1)
            line += c;
        if (line.find('\n') != std::string::npos) {
            xvfbPid = pid;
            xvfbPipe = pipeFds[0];
            return display;
        }
        close(pipeFds[0]);
        kill(pid, SIGTERM); // the display was taken meanwhile: next one
        waitpid(pid, nullptr, 0);
    }
    return std::nullopt;
}

void stopXvfb()
{
    if (xvfbPid > 0) {
        kill(xvfbPid, SIGTERM);
        waitpid(xvfbPid, nullptr, 0);
        xvfbPid = 0;
        close(xvfbPipe);
    }
}

void onSignal(int signal)
{
    if (xvfbPid > 0)
        kill(xvfbPid, SIGTERM);
    _exit(128 + signal);
}
