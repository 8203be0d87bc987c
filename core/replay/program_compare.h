// Where a program parts from a reference: both run the same script on fresh
// forms, each from its load, and what each event wrote to the window is
// compared in order. An event is the load or one command of the script,
// numbered from 1, the load first, whether or not a procedure ran. The
// operations are heard between the form's code and the window
// (OperationLog), each with the line that carried it out; reads change
// nothing and are not compared. An error stops a program: its event ends
// there, and no event follows. Texts are core/texts/compare_texts.h's.
#pragma once

#include "core/program/syntax.h"
#include "core/replay/script.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lodarix::replay {

// One write to the window: "Option1(3).BackColor" = "&HFF00&", at a line.
struct Operation {
    std::string target;
    std::string value; // as the form's code writes it
    int line;
    // The value as shown: a text that adds to the status box's is
    // "Text1(0).Text & …", as the form's code would write it.
    std::string shown;

    friend bool operator==(const Operation& a, const Operation& b)
    {
        return a.target == b.target && a.value == b.value;
    }
};

struct EventRun {
    std::string procedure; // the event procedure that ran, or the command
    std::vector<Operation> operations;
    std::optional<std::string> error; // the report of the error that stopped it
    int errorLine = 0;
};

// The program's events on a fresh form: its load, then each command.
std::vector<EventRun> runEvents(const std::shared_ptr<const program::Program>& program,
                                std::span<const Command> commands);

struct Difference {
    int event;        // from 1, the load first
    int line;         // the program's line where it parts, or 0
    std::string text; // "Събитие 5, Timer1_Timer: Option1(3).BackColor е …"
    std::string what; // the text without the event's place
};

// The first event where the two differ, and in it the first operation.
std::optional<Difference> firstDifference(std::span<const EventRun> program,
                                          std::span<const EventRun> reference);

} // namespace lodarix::replay
