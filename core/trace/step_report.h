// What the code view says of a step chosen among those kept
// (statement_history.h): which it is, where it ran, and the variables after
// it, the form's and, while its procedure still ran, the procedure's own.
// Steps are numbered from 1, counting the dropped ones, so a step keeps its
// number as the oldest go. Texts are core/texts/code_view_texts.h's.
#pragma once

#include "core/program/syntax.h"
#include "core/trace/statement_history.h"
#include "core/trace/window_sketch.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lodarix::trace {

// The step's number for the kept statement, and the kept statement for a
// step's number, clamped to those kept.
std::uint64_t stepNumber(const StatementHistory& history, std::size_t statement);
std::size_t keptStatement(const StatementHistory& history, std::uint64_t step);

// "Стъпка 12 от 340: Timer1_Timer, ред 38"
std::string stepHeading(const program::Program& program, const StatementHistory& history,
                        std::size_t statement);
// "След нея: CurrentFloor = 4, TargetFloor = 6, Index = 5"
std::string variablesAfter(const program::Program& program, const Moment& moment);
// The heading, the line's text and the variables, as a screen reader hears them.
std::string stepSummary(std::string_view source, const program::Program& program,
                        const StatementHistory& history, std::size_t statement,
                        const Moment& moment);
// The window after the step, drawn as the events view draws a row's, its
// words with the form's CurrentFloor and TargetFloor (0 where the code has none).
WindowSketch sketchAfterStep(const program::Program& program, const Moment& moment);

} // namespace lodarix::trace
