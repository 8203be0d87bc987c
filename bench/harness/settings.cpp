#include "bench/harness/settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <stdexcept>

namespace bench {

namespace {

const char* const Groups[] = {"start-up", "cadence", "cpu",    "throughput",
                              "append",   "graphs",  "events", "code"};

} // namespace

void progress(const std::string& text)
{
    std::fprintf(stderr, "lodarix-bench: %s\n", text.c_str());
}

ChildRun probe(const std::string& program, const Environment& environment, const std::string& mode,
               const Settings& settings)
{
    Environment withMode = environment;
    withMode.push_back("LODARIX_BENCH_PROBE=" + mode);
    ChildRun run = runChild({program}, withMode, settings.errorLog);
    if (!run.succeeded)
        throw std::runtime_error(program + " (" + mode + ") failed; see " + settings.errorLog);
    return run;
}

Settings parseSettings(int argc, char* argv[])
{
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            settings.startRuns = settings.longRuns = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--output" && i + 1 < argc) {
            settings.output = argv[++i];
        } else if (argument == "--only" && i + 1 < argc
                   && std::find(std::begin(Groups), std::end(Groups), std::string(argv[i + 1]))
                       != std::end(Groups)) {
            settings.only = argv[++i];
        } else {
            std::string groups;
            for (const char* group : Groups)
                groups += (groups.empty() ? "" : "|") + std::string(group);
            std::fprintf(stderr, "usage: lodarix-bench [--runs N] [--output FILE] [--only %s]\n",
                         groups.c_str());
            std::exit(2);
        }
    }
    const std::filesystem::path output = std::filesystem::absolute(settings.output);
    std::filesystem::create_directories(output.parent_path());
    settings.errorLog = (output.parent_path() / "children.log").string();
    std::filesystem::remove(settings.errorLog);
    return settings;
}

} // namespace bench
