// A replay session whose motion is recorded: the script's commands run on the
// window model as run() runs them, and the recorder watches on a nominal
// clock. Every "tick" is one period of the step timer, 800 ms, whether or not
// a step runs; the other commands take no time.
#pragma once

#include "core/model/lodarix_model.h"
#include "core/motion/motion_recorder.h"
#include "core/replay/script.h"

#include <cstdint>

namespace lodarix::replay {

class MotionSession {
public:
    static constexpr std::int64_t TickMs = 800;

    // Builds and loads the model; the record holds its start row.
    MotionSession();
    MotionSession(const MotionSession&) = delete;
    MotionSession& operator=(const MotionSession&) = delete;

    void run(const Command& command);

    const LodarixModel& model() const { return model_; }
    const motion::MotionRecorder& recorder() const { return recorder_; }
    std::int64_t nowMs() const { return nowMs_; }

private:
    LodarixModel model_;
    std::int64_t nowMs_ = 0;
    motion::MotionRecorder recorder_;
};

} // namespace lodarix::replay
