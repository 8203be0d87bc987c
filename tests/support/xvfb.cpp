#include "tests/support/xvfb.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace test_support {

namespace {

// Starts Xvfb on display and returns its pid once it takes connections, or 0
// when it exits first (the display is taken). -noreset keeps it taking
// connections when its last client leaves, where it would otherwise reset
// and refuse a program that starts at that moment.
pid_t startOn(int display, const std::string& screen)
{
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // -displayfd: the server writes its display number there when ready.
    posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments{"Xvfb",       ":" + std::to_string(display),
                                       "-displayfd", "1",
                                       "-screen",    "0",
                                       screen,       "-nolisten",
                                       "tcp",        "-noreset"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        close(ready[0]);
        throw std::runtime_error(std::string("cannot start Xvfb: ") + std::strerror(spawned));
    }
    std::string number;
    for (char c = 0;;) {
        const ssize_t got = read(ready[0], &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got != 1 || c == '\n')
            break;
        number += c;
    }
    close(ready[0]);
    if (!number.empty())
        return pid;
    // It exited first (the display is taken), or it never said it was
    // ready: either way it must not outlive the attempt, nor hold the
    // pipes that it inherited from the test's runner.
    kill(pid, SIGTERM);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {}
    return 0;
}

} // namespace

Xvfb::Xvfb(int width, int height)
{
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // Other programs on the machine start their servers from display 0 up;
    // one picked at random from 100 up stays clear of them and of their
    // shutting down. A server whose display is taken exits, and another
    // display is tried.
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> displays(100, 999);
    for (int attempt = 0; attempt < 8 && pid_ == 0; ++attempt) {
        const int display = displays(random);
        pid_ = startOn(display, screen);
        display_ = ":" + std::to_string(display);
    }
    if (pid_ == 0)
        throw std::runtime_error("Xvfb found no free display");
}

Xvfb::~Xvfb()
{
    kill(pid_, SIGTERM);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {}
}

} // namespace test_support
