// The form's code as the reader leaves it: form-level variables, and the
// procedures as trees of statements and expressions whose names are already
// bound to a variable's slot, a control's property, a function or a procedure.
// Each statement keeps its line; a program is never changed once read.
#pragma once

#include "core/program/value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lodarix::program {

enum class Scope : std::uint8_t { Form, Local };

struct VariableRef {
    Scope scope = Scope::Form;
    std::uint16_t slot = 0; // a Local's slot 0 is the procedure's argument, if it has one
};

// What the form's code can reach of the window: the window operations, by
// control and property. Other means a property the control does not have.
enum class Property : std::uint8_t {
    FloorButtonColor,   // Option1(i).BackColor, written
    FloorButtonCaption, // Option1(i).Caption, read
    GrilleValue,        // Option2(i).Value: (0) read, (1) := True
    TimerEnabled,       // Timer1.Enabled, written
    TimerInterval,      // Timer1.Interval
    StatusText,         // Text1(i).Text, i = 0
    FloorName,          // List1.List(i), read
    FloorNameCount,     // List1.ListCount, read
    FloorNamesVisible,  // List1.Visible := False
    Other,
};

enum class Function : std::uint8_t { Len, Left, Mid, Right, CStr, CInt, Abs, RGB };

enum class ExprKind : std::uint8_t { Literal, Variable, Negate, Not, Binary, Function, Property };

struct Expr {
    ExprKind kind;
    Value literal;
    VariableRef variable;
    Operator op = Operator::Add;
    Function function = Function::Len;
    Property property = Property::Other;
    // A Binary's two operands, a Function's arguments, a Property's index
    // (if it takes one), a Negate's or Not's operand.
    std::vector<std::unique_ptr<Expr>> operands;
    int depth = 1; // of the tree of operators below it, this one included
};

using ExprPtr = std::unique_ptr<Expr>;

struct Stmt;
using Block = std::vector<Stmt>;

struct Branch {
    int line;
    ExprPtr condition;
    Block body;
};

struct CaseTest {
    enum class Kind : std::uint8_t { Value, Range, Is } kind = Kind::Value;
    Operator op = Operator::Equal; // Is's comparison
    ExprPtr first;
    ExprPtr last; // a Range's end
};

struct Case {
    std::vector<CaseTest> tests; // none: Case Else
    Block body;
};

enum class StmtKind : std::uint8_t {
    Assign,
    SetProperty,
    Call,
    If,
    For,
    DoWhile,
    Select,
    ExitSub,
    ExitFor,
    ExitDo,
};

struct Stmt {
    StmtKind kind;
    int line;
    int endLine = 0;      // For's Next
    int column = 0;       // Call's procedure name, where it stands in its line
    VariableRef variable; // Assign's and For's
    Property property = Property::Other;
    ExprPtr index; // SetProperty's element, if it takes one
    ExprPtr
        value; // Assign's and SetProperty's value, Call's argument, For's start, Select's subject
    ExprPtr last;                 // For's end
    ExprPtr step;                 // For's step, if given
    std::vector<Branch> branches; // If and ElseIf, in order
    bool hasElse = false;
    Block elseBody;
    Block body; // For's and DoWhile's; DoWhile's condition is value
    std::vector<Case> cases;
    std::string callee; // Call's procedure, as written
    int procedure = -1; // and its place in the program
};

struct Variable {
    std::string name;
    Type type;
};

struct Procedure {
    std::string name;
    int line;
    int endLine;
    bool hasArgument = false;
    bool byValue = false;         // else a variable of the argument's type is passed by reference
    std::vector<Variable> locals; // the argument first, if any
    Block body;
};

struct Program {
    std::vector<Variable> variables;
    std::vector<Procedure> procedures;
    // The event procedures' places in procedures, or -1 when the form has none.
    int formLoad = -1;
    int option1Click = -1;
    int timer1Timer = -1;
};

} // namespace lodarix::program
