// A private X server for the tests and the benchmarks: Xvfb on a display of
// its own, taking connections once made, stopped when this object goes. It
// is started with posix_spawn, not Qt's process machinery, so that a
// benchmark measuring the program beside it is not disturbed.
#pragma once

#include <string>
#include <sys/types.h>

namespace test_support {

class Xvfb {
public:
    // Starts the server with one screen of width x height pixels and waits
    // until it takes connections; throws std::runtime_error on failure.
    Xvfb(int width, int height);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    // ":123", for DISPLAY.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

} // namespace test_support
