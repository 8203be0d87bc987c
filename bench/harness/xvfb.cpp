#include "bench/harness/xvfb.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace bench {

Xvfb::Xvfb()
{
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // -displayfd: the server picks a free display and writes its number when ready.
    posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments{"Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                                       "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        close(ready[0]);
        throw std::runtime_error(std::string("cannot start Xvfb: ") + std::strerror(spawned));
    }
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not tell its display");
    display_ = ":" + number;
}

Xvfb::~Xvfb()
{
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
}

} // namespace bench
