// Runs a read Program on a window, one statement at a time. The machine keeps
// its own stack of procedure frames, so that a face can hand control back to
// its event loop after any statement and go on later: start() an event, then
// step() until running() is false, or finish() it at once. Each statement
// carried out counts; an event stops at its 10,001st, or at its 201st nested
// call, with an error. The window is reached only through WindowOperations.
#pragma once

#include "core/lift/floor_table.h"
#include "core/lift/window_operations.h"
#include "core/program/program_error.h"
#include "core/program/syntax.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lodarix::program {

inline constexpr int MaxStatementsPerEvent = 10'000;
inline constexpr int MaxNestedCalls = 200;

enum class Event : std::uint8_t { Load, Click, Timer };

// A statement that was carried out: the procedure it belongs to and its line.
struct Ran {
    int procedure;
    int line;
};

class Machine {
public:
    // Both must outlive the machine. The form's variables start out empty.
    Machine(const Program& program, lift::WindowOperations& window);

    // Begins the event's procedure; false, with nothing begun, when the form
    // has none. The machine must not be running().
    bool start(Event event, lift::FloorIndex floor = 0);
    // Whether a procedure is part-way: step() has a statement to carry out.
    bool running() const { return !frames_.empty(); }
    // Carries out the next statement. A ProgramError leaves with its place
    // set, and stops the event: the machine is no longer running().
    Ran step();
    // Steps to the end of the event; each statement goes to ran, if given.
    template <class Ran> void finish(Ran&& ran)
    {
        while (running())
            ran(step());
    }
    void finish()
    {
        finish([](const program::Ran&) {});
    }

    const Program& program() const { return program_; }
    // The form-level variables, in declared order.
    const std::vector<Value>& variables() const { return variables_; }
    // The running procedure's locals (its argument first, as the caller's
    // variable holds it when passed by reference); none while not running.
    std::vector<Value> locals() const;
    // The running procedure, or -1.
    int procedure() const { return frames_.empty() ? -1 : frames_.back().procedure; }
    // The line of the statement step() carries out next, or 0.
    int nextLine() const;
    // The line of the statement step() carries out, while it does; else the last.
    int line() const { return line_; }
    // Statements carried out since the event began.
    int statementsRun() const { return statements_; }
    // The form-level variable of that name, if the program declares it.
    std::optional<std::size_t> variableSlot(std::string_view name) const;
    // Stores value into a form-level variable, as an assignment would.
    void setVariable(std::size_t slot, const Value& value);

private:
    struct Cursor {
        const Block* block;
        std::size_t next = 0;
        const Stmt* loop = nullptr; // the For or Do While whose body this is
        std::int32_t last = 0;      // For's end
        std::int32_t stepBy = 1;    // For's step
        Type stepType = Type::Integer;
        std::size_t branch = 0; // the If branch whose condition the statement at next tests
    };

    struct Frame {
        int procedure;
        std::vector<Value> locals;
        Value* argument = nullptr; // the caller's variable, when passed by reference
        std::vector<Cursor> cursors;
    };

    void pushFrame(int procedure, std::optional<Value> argument, Value* byReference);
    // Pops what needs no statement: ended blocks, Do's body (its test is the
    // next statement), ended procedures.
    void settle();
    void count(int line);
    void execute(const Stmt& stmt);
    void nextOfFor();
    void exitLoop(StmtKind loop);

    Value evaluate(const Expr& expr);
    Value function(const Expr& expr);
    Value readProperty(const Expr& expr);
    void writeProperty(Property property, const Expr* index, const Value& value);
    Value& variable(VariableRef ref);
    Type typeOf(VariableRef ref) const;
    void assign(VariableRef ref, const Value& value);
    bool matches(const Case& branch, const Value& subject);

    const Program& program_;
    lift::WindowOperations& window_;
    std::vector<Value> variables_;
    std::vector<Frame> frames_;
    int statements_ = 0;
    int line_ = 0;
};

} // namespace lodarix::program
