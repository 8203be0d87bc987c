#include "core/program/machine.h"

#include "core/lift/colors.h"
#include "core/texts/utf8.h"

#include <algorithm>
#include <cstdlib>

namespace lodarix::program {

namespace {

Value initial(Type type)
{
    switch (type) {
    case Type::Integer:
        return Value::integer(0);
    case Type::Long:
        return Value::longValue(0);
    case Type::Boolean:
        return Value::boolean(false);
    case Type::String:
        return Value::string({});
    case Type::Variant:
    case Type::Empty:
        break;
    }
    return {Type::Empty, true, 0, {}};
}

// The text's characters' starts, as the form's code counts characters.
std::vector<std::size_t> characterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size();) {
        starts.push_back(at);
        const auto character = texts::decodeUtf8(text, at);
        at += character ? character->bytes : 1;
    }
    return starts;
}

// count characters of text from character first (0-based), clipped to its end.
std::string characters(std::string_view text, std::int64_t first, std::int64_t count)
{
    const std::vector<std::size_t> starts = characterStarts(text);
    const auto size = std::int64_t(starts.size());
    first = std::clamp<std::int64_t>(first, 0, size);
    const std::int64_t end = std::clamp<std::int64_t>(first + count, first, size);
    const std::size_t from = first < size ? starts[std::size_t(first)] : text.size();
    const std::size_t to = end < size ? starts[std::size_t(end)] : text.size();
    return std::string(text.substr(from, to - from));
}

std::int32_t nonNegative(const Value& value)
{
    const std::int32_t n = toLong(value);
    if (n < 0)
        raiseError(errors::InvalidCall);
    return n;
}

lift::FloorIndex elementIndex(const Value& value, int count)
{
    const std::int16_t index = toInteger(value);
    if (index < 0 || index >= count)
        raiseError(errors::SubscriptOutOfRange);
    return index;
}

} // namespace

Machine::Machine(const Program& program, lift::WindowOperations& window)
    : program_(program)
    , window_(window)
{
    variables_.reserve(program.variables.size());
    for (const Variable& variable : program.variables)
        variables_.push_back(initial(variable.type));
}

std::optional<std::size_t> Machine::variableSlot(std::string_view name) const
{
    for (std::size_t i = 0; i < program_.variables.size(); ++i) {
        if (program_.variables[i].name == name)
            return i;
    }
    return std::nullopt;
}

void Machine::setVariable(std::size_t slot, const Value& value)
{
    variables_[slot] = convertTo(program_.variables[slot].type, value);
}

std::vector<Value> Machine::locals() const
{
    if (frames_.empty())
        return {};
    const Frame& frame = frames_.back();
    std::vector<Value> locals = frame.locals;
    if (frame.argument)
        locals[0] = *frame.argument;
    return locals;
}

bool Machine::start(Event event, lift::FloorIndex floor)
{
    const int procedure = event == Event::Load ? program_.formLoad
        : event == Event::Click                ? program_.option1Click
                                               : program_.timer1Timer;
    statements_ = 0;
    if (procedure < 0)
        return false;
    pushFrame(procedure,
              event == Event::Click ? std::optional<Value>(Value::integer(floor)) : std::nullopt,
              nullptr);
    settle();
    return true;
}

void Machine::pushFrame(int procedure, std::optional<Value> argument, Value* byReference)
{
    const Procedure& callee = program_.procedures[std::size_t(procedure)];
    Frame frame{procedure, {}, byReference, {}};
    frame.locals.reserve(callee.locals.size());
    for (const Variable& local : callee.locals)
        frame.locals.push_back(initial(local.type));
    if (argument && !byReference)
        frame.locals[0] = convertTo(callee.locals[0].type, *argument);
    frame.cursors.push_back({&callee.body});
    frames_.push_back(std::move(frame));
}

void Machine::settle()
{
    while (!frames_.empty()) {
        Frame& frame = frames_.back();
        if (frame.cursors.empty()) {
            frames_.pop_back();
            continue;
        }
        Cursor& cursor = frame.cursors.back();
        if (cursor.next < cursor.block->size())
            return;
        if (cursor.loop && cursor.loop->kind == StmtKind::For)
            return; // its Next is a statement
        frame.cursors.pop_back();
    }
}

int Machine::nextLine() const
{
    if (frames_.empty())
        return 0;
    const Cursor& cursor = frames_.back().cursors.back();
    if (cursor.next >= cursor.block->size())
        return cursor.loop->endLine;
    const Stmt& stmt = (*cursor.block)[cursor.next];
    return stmt.kind == StmtKind::If ? stmt.branches[cursor.branch].line : stmt.line;
}

void Machine::count(int line)
{
    if (++statements_ > MaxStatementsPerEvent) {
        ProgramError error(errors::TooManyStatements);
        error.setPlace(program_.procedures[std::size_t(procedure())].name, line);
        frames_.clear();
        throw error;
    }
}

Ran Machine::step()
{
    const Ran ran{procedure(), nextLine()};
    line_ = ran.line;
    count(ran.line);
    try {
        Cursor& cursor = frames_.back().cursors.back();
        if (cursor.next >= cursor.block->size())
            nextOfFor();
        else
            execute((*cursor.block)[cursor.next]);
        settle();
    } catch (ProgramError& error) {
        error.setPlace(program_.procedures[std::size_t(ran.procedure)].name, ran.line);
        frames_.clear();
        throw;
    }
    return ran;
}

void Machine::nextOfFor()
{
    Frame& frame = frames_.back();
    Cursor& body = frame.cursors.back();
    const Stmt& loop = *body.loop;
    const Value next =
        apply(Operator::Add, variable(loop.variable), {body.stepType, false, body.stepBy, {}});
    assign(loop.variable, next);
    const std::int32_t counter = toLong(variable(loop.variable));
    if (body.stepBy >= 0 ? counter <= body.last : counter >= body.last) {
        body.next = 0;
        return;
    }
    frame.cursors.pop_back();
    ++frame.cursors.back().next;
}

void Machine::exitLoop(StmtKind loop)
{
    Frame& frame = frames_.back();
    while (!frame.cursors.back().loop || frame.cursors.back().loop->kind != loop)
        frame.cursors.pop_back();
    frame.cursors.pop_back();
    ++frame.cursors.back().next;
}

void Machine::execute(const Stmt& stmt)
{
    Frame& frame = frames_.back();
    Cursor& cursor = frame.cursors.back();
    switch (stmt.kind) {
    case StmtKind::Assign:
        assign(stmt.variable, evaluate(*stmt.value));
        ++cursor.next;
        return;
    case StmtKind::SetProperty: {
        const Value value = evaluate(*stmt.value);
        writeProperty(stmt.property, stmt.index.get(), value);
        ++cursor.next;
        return;
    }
    case StmtKind::Call: {
        if (int(frames_.size()) > MaxNestedCalls)
            raiseError(errors::TooDeep);
        std::optional<Value> argument;
        Value* byReference = nullptr;
        if (stmt.value) {
            const Procedure& callee = program_.procedures[std::size_t(stmt.procedure)];
            if (!callee.byValue && stmt.value->kind == ExprKind::Variable
                && typeOf(stmt.value->variable) == callee.locals[0].type)
                byReference = &variable(stmt.value->variable);
            else
                argument = evaluate(*stmt.value);
        }
        ++cursor.next;
        pushFrame(stmt.procedure, std::move(argument), byReference);
        return;
    }
    case StmtKind::If: {
        const Branch& branch = stmt.branches[cursor.branch];
        if (toBoolean(evaluate(*branch.condition))) {
            cursor.branch = 0;
            ++cursor.next;
            frame.cursors.push_back({&branch.body});
        } else if (cursor.branch + 1 < stmt.branches.size()) {
            ++cursor.branch;
        } else {
            cursor.branch = 0;
            ++cursor.next;
            if (stmt.hasElse)
                frame.cursors.push_back({&stmt.elseBody});
        }
        return;
    }
    case StmtKind::For: {
        const Value first = evaluate(*stmt.value);
        const std::int32_t last = toLong(evaluate(*stmt.last));
        const Value stepBy = stmt.step ? evaluate(*stmt.step) : Value::integer(1);
        const std::int32_t by = toLong(stepBy);
        assign(stmt.variable, first);
        const std::int32_t counter = toLong(variable(stmt.variable));
        if (by >= 0 ? counter <= last : counter >= last)
            frame.cursors.push_back({&stmt.body, 0, &stmt, last, by,
                                     stepBy.type == Type::Long ? Type::Long : Type::Integer});
        else
            ++cursor.next;
        return;
    }
    case StmtKind::DoWhile:
        if (toBoolean(evaluate(*stmt.value)))
            frame.cursors.push_back({&stmt.body, 0, &stmt});
        else
            ++cursor.next;
        return;
    case StmtKind::Select: {
        const Value subject = evaluate(*stmt.value);
        ++cursor.next;
        for (const Case& branch : stmt.cases) {
            if (matches(branch, subject)) {
                frame.cursors.push_back({&branch.body});
                return;
            }
        }
        return;
    }
    case StmtKind::ExitSub:
        frames_.pop_back();
        return;
    case StmtKind::ExitFor:
        exitLoop(StmtKind::For);
        return;
    case StmtKind::ExitDo:
        exitLoop(StmtKind::DoWhile);
        return;
    }
}

bool Machine::matches(const Case& branch, const Value& subject)
{
    if (branch.tests.empty())
        return true;
    for (const CaseTest& test : branch.tests) {
        const Value first = evaluate(*test.first);
        bool hit = false;
        switch (test.kind) {
        case CaseTest::Kind::Value:
            hit = toBoolean(apply(Operator::Equal, subject, first));
            break;
        case CaseTest::Kind::Is:
            hit = toBoolean(apply(test.op, subject, first));
            break;
        case CaseTest::Kind::Range:
            hit = toBoolean(apply(Operator::GreaterOrEqual, subject, first))
                && toBoolean(apply(Operator::LessOrEqual, subject, evaluate(*test.last)));
            break;
        }
        if (hit)
            return true;
    }
    return false;
}

Value& Machine::variable(VariableRef ref)
{
    if (ref.scope == Scope::Form)
        return variables_[ref.slot];
    Frame& frame = frames_.back();
    if (ref.slot == 0 && frame.argument)
        return *frame.argument;
    return frame.locals[ref.slot];
}

Type Machine::typeOf(VariableRef ref) const
{
    if (ref.scope == Scope::Form)
        return program_.variables[ref.slot].type;
    return program_.procedures[std::size_t(frames_.back().procedure)].locals[ref.slot].type;
}

void Machine::assign(VariableRef ref, const Value& value)
{
    variable(ref) = convertTo(typeOf(ref), value);
}

Value Machine::evaluate(const Expr& expr)
{
    switch (expr.kind) {
    case ExprKind::Literal:
        return expr.literal;
    case ExprKind::Variable:
        return variable(expr.variable);
    case ExprKind::Negate:
        return negate(evaluate(*expr.operands[0]));
    case ExprKind::Not:
        return logicalNot(evaluate(*expr.operands[0]));
    case ExprKind::Binary: {
        const Value left = evaluate(*expr.operands[0]);
        return apply(expr.op, left, evaluate(*expr.operands[1]));
    }
    case ExprKind::Function:
        return function(expr);
    case ExprKind::Property:
        return readProperty(expr);
    }
    raiseError(errors::TypeMismatch);
}

Value Machine::function(const Expr& expr)
{
    std::vector<Value> arguments;
    arguments.reserve(expr.operands.size());
    for (const auto& operand : expr.operands)
        arguments.push_back(evaluate(*operand));
    switch (expr.function) {
    case Function::Len:
        return Value::longValue(std::int32_t(characterStarts(toText(arguments[0])).size()));
    case Function::Left:
        return Value::string(characters(toText(arguments[0]), 0, nonNegative(arguments[1])));
    case Function::Right: {
        const std::string text = toText(arguments[0]);
        const std::int64_t length = std::int64_t(characterStarts(text).size());
        const std::int64_t count = nonNegative(arguments[1]);
        return Value::string(characters(text, length - std::min(count, length), count));
    }
    case Function::Mid: {
        const std::int32_t start = toLong(arguments[1]);
        if (start < 1)
            raiseError(errors::InvalidCall);
        const std::int64_t count = arguments.size() > 2 ? nonNegative(arguments[2]) : INT32_MAX;
        return Value::string(characters(toText(arguments[0]), start - 1, count));
    }
    case Function::CStr:
        return Value::string(toText(arguments[0]));
    case Function::CInt:
        return Value::integer(toInteger(arguments[0]));
    case Function::Abs: {
        const Value n = apply(Operator::Add, Value::integer(0), arguments[0]);
        return n.number < 0 ? negate(n) : n;
    }
    case Function::RGB: {
        std::int32_t color = 0;
        for (int i = 2; i >= 0; --i)
            color = color * 256 + std::min(nonNegative(arguments[std::size_t(i)]), 255);
        return Value::longValue(color);
    }
    }
    raiseError(errors::InvalidCall);
}

Value Machine::readProperty(const Expr& expr)
{
    const auto index = [&](int count) { return elementIndex(evaluate(*expr.operands[0]), count); };
    switch (expr.property) {
    case Property::FloorButtonCaption:
        return Value::string(window_.floorCaption(index(lift::FloorTable::Count)));
    case Property::GrilleValue:
        if (index(2) == 0)
            return Value::boolean(window_.isGrilleClosed());
        break;
    case Property::TimerInterval:
        return Value::longValue(window_.stepPeriod());
    case Property::StatusText:
        if (index(2) == 0)
            return Value::string(window_.statusText());
        break;
    case Property::FloorName:
        return Value::string(window_.floorName(index(window_.floorNameCount())));
    case Property::FloorNameCount:
        return Value::integer(window_.floorNameCount());
    case Property::FloorButtonColor:
        index(lift::FloorTable::Count);
        break;
    case Property::TimerEnabled:
    case Property::FloorNamesVisible:
    case Property::Other:
        if (!expr.operands.empty())
            index(2);
        break;
    }
    raiseError(errors::NoSuchProperty);
}

void Machine::writeProperty(Property property, const Expr* indexExpr, const Value& value)
{
    const auto index = [&](int count) { return elementIndex(evaluate(*indexExpr), count); };
    switch (property) {
    case Property::FloorButtonColor: {
        const lift::FloorIndex floor = index(lift::FloorTable::Count);
        const std::int32_t color = toLong(value);
        if (color < 0 || color > 0xFFFFFF)
            raiseError(errors::InvalidPropertyValue);
        window_.paintFloorButton(floor, lift::Color(color));
        return;
    }
    case Property::GrilleValue:
        if (index(2) != 1 || !toBoolean(value))
            raiseError(errors::InvalidPropertyValue);
        window_.openGrille();
        return;
    case Property::TimerEnabled:
        window_.setStepsRunning(toBoolean(value));
        return;
    case Property::TimerInterval: {
        const std::int32_t period = toLong(value);
        if (period < lift::ShortestStepPeriodMs || period > lift::LongestStepPeriodMs)
            raiseError(errors::InvalidPropertyValue);
        window_.setStepPeriod(period);
        return;
    }
    case Property::StatusText:
        if (index(2) == 0) {
            window_.setStatusText(toText(value));
            return;
        }
        break;
    case Property::FloorNamesVisible:
        if (toBoolean(value))
            raiseError(errors::InvalidPropertyValue);
        window_.hideFloorNames();
        return;
    case Property::FloorButtonCaption:
        index(lift::FloorTable::Count);
        break;
    case Property::FloorName:
    case Property::FloorNameCount:
    case Property::Other:
        if (indexExpr)
            index(2);
        break;
    }
    raiseError(errors::NoSuchProperty);
}

} // namespace lodarix::program
