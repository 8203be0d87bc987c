// The motion window's part in a session of the main window. From the load
// on it keeps the motion record (as the window's rule observer) and holds
// the teacher's pacer on the step timer; it gives the main window F2 and its
// context menu; and it makes the motion window when first opened. Until
// then nothing of it shows, and the program runs as without it.
#pragma once

#include "desktop/motion_window/motion_recording.h"
#include "desktop/motion_window/step_pacer.h"

#include <QObject>

#include <memory>

namespace lodarix {

class LodarixWindow;
class MainWindowMenu;
class MotionWindow;

class MotionHost : public QObject {
    Q_OBJECT

public:
    // Make it before window.load() so that the record begins with the load;
    // the window must outlive it.
    explicit MotionHost(LodarixWindow& window);
    // Made on a source of model time of the caller's (tests, benchmarks).
    MotionHost(LodarixWindow& window, motion::Clock source);
    ~MotionHost() override;

    // Shows the motion window, made on first use, and brings it to the front.
    void openMotionWindow();
    // Writes the exercise statement into the status box, as typing there would.
    void showStatement();

    // nullptr until first opened.
    MotionWindow* motionWindow() const { return motionWindow_.get(); }
    MainWindowMenu& menu() const { return *menu_; }
    MotionRecording& recording() { return recording_; }
    StepPacer& pacer() { return pacer_; }

private:
    LodarixWindow& window_;
    MotionRecording recording_;
    StepPacer pacer_;
    MainWindowMenu* menu_;
    int partWayListener_ = 0;
    std::unique_ptr<MotionWindow> motionWindow_;
};

} // namespace lodarix
