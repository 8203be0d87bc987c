// A session of the window model whose motion is recorded on a nominal clock:
// every period of the step timer takes one step period of the window
// description, whether or not a step runs, and the other events take no time.
// The model tells the recorder what ran, as the real window tells its
// observer. The replay tool runs a script's commands on it; the tests and the
// benchmarks drive it event by event.
#pragma once

#include "core/lift/floor_table.h"
#include "core/model/lodarix_model.h"
#include "core/motion/motion_recorder.h"
#include "core/replay/script.h"

#include <cstdint>

namespace lodarix::replay {

class MotionSession {
public:
    // Builds and loads the model; the record holds its start row.
    MotionSession();
    // Builds the model, not yet loaded, so that observers can be added first.
    struct NotLoaded {};
    explicit MotionSession(NotLoaded);
    // One observer more, told after the record; before load() to hear of the load too.
    void addRuleObserver(lift::RuleObserver* observer) { model_.addRuleObserver(observer); }
    void load() { model_.load(); }
    // What runs the events, set before load() (LodarixModel::setEngine).
    void setEngine(const lift::RuleRunner::EngineMaker& make) { model_.setEngine(make); }
    MotionSession(const MotionSession&) = delete;
    MotionSession& operator=(const MotionSession&) = delete;

    void run(const Command& command);

    void clickFloorButton(lift::FloorIndex floor) { model_.clickFloorButton(floor); }
    void clickGrilleButton(Grille grille) { model_.clickGrilleButton(grille); }
    // One period of the step timer passes; a step runs while the timer is on.
    void timerPeriod();
    bool stepsRunning() const;

    // A record begins anew, as if the program had been started again with the
    // window as it is: the old rows are gone, with the memory they took.
    void beginNewRecord();

    const LodarixModel& model() const { return model_; }
    const motion::MotionRecorder& recorder() const { return recorder_; }
    std::int64_t nowMs() const { return nowMs_; }
    // The time one period of the step timer takes.
    int periodMs() const { return periodMs_; }

private:
    const int periodMs_;
    std::int64_t nowMs_ = 0;
    motion::MotionRecorder recorder_;
    LodarixModel model_;
};

} // namespace lodarix::replay
