// A private X server for the xcb measurements: Xvfb on a free display,
// stopped when this object goes.
#pragma once

#include <string>
#include <sys/types.h>

namespace bench {

class Xvfb {
public:
    // Starts the server and waits until it takes connections; throws on failure.
    Xvfb();
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

} // namespace bench
