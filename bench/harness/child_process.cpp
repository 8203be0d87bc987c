#include "bench/harness/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace bench {

namespace {

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The harness's environment with the settings of extra put over it.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string setting(*entry);
        const std::string name = setting.substr(0, setting.find('=') + 1);
        bool replaced = false;
        for (const std::string& over : extra)
            replaced = replaced || over.starts_with(name);
        if (!replaced)
            result.push_back(setting);
    }
    result.insert(result.end(), extra.begin(), extra.end());
    return result;
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

std::int64_t ChildRun::value(const std::string& key) const
{
    const auto found = values.find(key);
    if (found == values.end())
        throw std::runtime_error("the probe reported no " + key + "; its output: " + output);
    return found->second;
}

std::vector<std::int64_t> ChildRun::all(const std::string& key) const
{
    std::vector<std::int64_t> result;
    const auto [first, last] = values.equal_range(key);
    for (auto it = first; it != last; ++it)
        result.push_back(it->second);
    return result;
}

ChildRun runChild(const std::vector<std::string>& command, const std::vector<std::string>& extra,
                  const std::string& errorLog)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    std::vector<std::string> arguments = command;
    std::vector<std::string> environment = environmentWith(extra);
    const std::vector<char*> argv = pointers(arguments);
    const std::vector<char*> envp = pointers(environment);

    ChildRun run;
    pid_t pid = 0;
    run.spawnedNs = monotonicNs();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + command[0] + ": " + std::strerror(spawned));
    }
    char buffer[4096];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.maxRssKb = usage.ru_maxrss;
    std::istringstream lines(run.output);
    std::string key;
    std::int64_t value = 0;
    while (lines >> key >> value)
        run.values.emplace(key, value);
    return run;
}

} // namespace bench
