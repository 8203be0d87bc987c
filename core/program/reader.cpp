#include "core/program/reader.h"

#include "core/program/program_error.h"
#include "core/program/tokens.h"
#include "core/texts/number_texts.h"
#include "core/texts/program_texts.h"

#include <algorithm>
#include <array>
#include <optional>

namespace lodarix::program {

namespace {

struct FunctionName {
    std::string_view name;
    Function function;
    std::size_t fewest;
    std::size_t most;
};

constexpr std::array<FunctionName, 8> Functions{{
    {"Len", Function::Len, 1, 1},
    {"Left", Function::Left, 2, 2},
    {"Mid", Function::Mid, 2, 3},
    {"Right", Function::Right, 2, 2},
    {"CStr", Function::CStr, 1, 1},
    {"CInt", Function::CInt, 1, 1},
    {"Abs", Function::Abs, 1, 1},
    {"RGB", Function::RGB, 3, 3},
}};

struct TypeName {
    std::string_view name;
    Type type;
};

constexpr std::array<TypeName, 5> Types{{
    {"Integer", Type::Integer},
    {"Long", Type::Long},
    {"String", Type::String},
    {"Boolean", Type::Boolean},
    {"Variant", Type::Variant},
}};

// The controls of the form, and whether each is a control array.
struct ControlName {
    std::string_view name;
    bool array;
};

constexpr std::array<ControlName, 8> Controls{{
    {"Option1", true},
    {"Option2", true},
    {"Text1", true},
    {"Timer1", false},
    {"List1", false},
    {"Label1", false},
    {"Frame1", false},
    {"Frame2", false},
}};

Property propertyOf(std::string_view control, std::string_view property)
{
    struct Known {
        std::string_view control;
        std::string_view property;
        Property value;
    };
    static constexpr std::array<Known, 9> Known{{
        {"Option1", "BackColor", Property::FloorButtonColor},
        {"Option1", "Caption", Property::FloorButtonCaption},
        {"Option2", "Value", Property::GrilleValue},
        {"Timer1", "Enabled", Property::TimerEnabled},
        {"Timer1", "Interval", Property::TimerInterval},
        {"Text1", "Text", Property::StatusText},
        {"List1", "List", Property::FloorName},
        {"List1", "ListCount", Property::FloorNameCount},
        {"List1", "Visible", Property::FloorNamesVisible},
    }};
    for (const auto& known : Known) {
        if (sameName(control, known.control) && sameName(property, known.property))
            return known.value;
    }
    return Property::Other;
}

constexpr std::array<std::string_view, 3> EventNames{"Form_Load", "Option1_Click", "Timer1_Timer"};

class Reader {
public:
    explicit Reader(std::vector<Token> tokens)
        : tokens_(std::move(tokens))
    {
    }

    Program run()
    {
        for (;;) {
            skipEmptyLines();
            if (peek().kind == TokenKind::EndOfFile)
                break;
            topLevel();
        }
        for (Procedure& procedure : program_.procedures)
            bindCalls(procedure.body);
        return std::move(program_);
    }

private:
    // Reading ------------------------------------------------------------

    [[noreturn]] void fail(std::string_view text) const
    {
        throw ProgramError(peek().line, peek().column, std::string(text));
    }
    [[noreturn]] void expected(std::string_view what) const
    {
        fail(texts::fill(texts::ReadExpected, {what}));
    }

    const Token& peek(std::size_t ahead = 0) const
    {
        return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
    }
    const Token& take() { return tokens_[std::min(at_++, tokens_.size() - 1)]; }
    int previousLine() const { return tokens_[at_ - 1].line; }

    bool isWord(std::string_view word, std::size_t ahead = 0) const
    {
        const Token& token = peek(ahead);
        return token.kind == TokenKind::Name && sameName(token.text, word);
    }
    bool isSymbol(std::string_view symbol) const
    {
        return peek().kind == TokenKind::Symbol && peek().text == symbol;
    }
    bool acceptWord(std::string_view word)
    {
        if (!isWord(word))
            return false;
        ++at_;
        return true;
    }
    bool acceptSymbol(std::string_view symbol)
    {
        if (!isSymbol(symbol))
            return false;
        ++at_;
        return true;
    }
    void word(std::string_view word)
    {
        if (!acceptWord(word))
            expected(word);
    }
    void symbol(std::string_view symbol)
    {
        if (!acceptSymbol(symbol))
            expected(symbol);
    }
    std::string name()
    {
        if (peek().kind != TokenKind::Name)
            expected("име");
        return take().text;
    }
    void endOfLine()
    {
        if (peek().kind != TokenKind::EndOfLine)
            fail(texts::fill(
                texts::ReadUnexpected,
                {peek().kind == TokenKind::Literal ? toText(peek().literal) : peek().text}));
        ++at_;
    }
    bool atEndOfStatement() const
    {
        return peek().kind == TokenKind::EndOfLine || isSymbol(":") || isWord("Else");
    }
    void skipEmptyLines()
    {
        while (peek().kind == TokenKind::EndOfLine || isSymbol(":"))
            ++at_;
    }

    void enter()
    {
        if (++depth_ > MaxNesting)
            fail(texts::ReadTooDeep);
    }
    void leave() { --depth_; }

    // Names --------------------------------------------------------------

    bool isTaken(std::string_view text) const
    {
        if (isKeyword(text) || findVariable(text) || constant(text))
            return true;
        for (const auto& control : Controls) {
            if (sameName(text, control.name))
                return true;
        }
        for (const auto& function : Functions) {
            if (sameName(text, function.name))
                return true;
        }
        return false;
    }

    std::string newName()
    {
        const Token at = peek();
        std::string text = name();
        if (isTaken(text) || findProcedure(text) >= 0)
            throw ProgramError(at.line, at.column, texts::fill(texts::ReadDuplicateName, {text}));
        return text;
    }

    std::optional<VariableRef> findVariable(std::string_view text) const
    {
        if (locals_) {
            for (std::size_t i = 0; i < locals_->size(); ++i) {
                if (sameName((*locals_)[i].name, text))
                    return VariableRef{Scope::Local, std::uint16_t(i)};
            }
        }
        for (std::size_t i = 0; i < program_.variables.size(); ++i) {
            if (sameName(program_.variables[i].name, text))
                return VariableRef{Scope::Form, std::uint16_t(i)};
        }
        return std::nullopt;
    }

    Type variableType(VariableRef ref) const
    {
        return ref.scope == Scope::Local ? (*locals_)[ref.slot].type
                                         : program_.variables[ref.slot].type;
    }

    static std::optional<Value> constant(std::string_view text)
    {
        if (sameName(text, "True"))
            return Value::boolean(true);
        if (sameName(text, "False"))
            return Value::boolean(false);
        if (sameName(text, "vbCrLf"))
            return Value::string("\r\n");
        if (sameName(text, "vbCr"))
            return Value::string("\r");
        if (sameName(text, "vbLf"))
            return Value::string("\n");
        return std::nullopt;
    }

    int findProcedure(std::string_view text) const
    {
        for (std::size_t i = 0; i < program_.procedures.size(); ++i) {
            if (sameName(program_.procedures[i].name, text))
                return int(i);
        }
        return -1;
    }

    // Declarations -------------------------------------------------------

    Type asType()
    {
        if (!acceptWord("As"))
            return Type::Variant;
        const std::string text = name();
        for (const auto& type : Types) {
            if (sameName(text, type.name))
                return type.type;
        }
        expected("Integer, Long, String, Boolean или Variant");
    }

    void declarations(std::vector<Variable>& into)
    {
        do {
            std::string text = newName();
            into.push_back({std::move(text), asType()});
        } while (acceptSymbol(","));
    }

    void topLevel()
    {
        if (acceptWord("Option")) {
            word("Explicit");
            endOfLine();
            return;
        }
        const bool scoped = acceptWord("Private") || acceptWord("Public");
        if (acceptWord("Sub")) {
            procedure();
            return;
        }
        if (!scoped && !acceptWord("Dim"))
            fail(texts::ReadOutsideSub);
        declarations(program_.variables);
        endOfLine();
    }

    void procedure()
    {
        const int line = previousLine();
        std::string name = newName();
        program_.procedures.push_back({std::move(name), line, 0});
        Procedure& procedure = program_.procedures.back();
        locals_ = &procedure.locals;
        if (acceptSymbol("(")) {
            if (!isSymbol(")")) {
                procedure.byValue = acceptWord("ByVal");
                if (!procedure.byValue)
                    acceptWord("ByRef");
                std::string argument = newName();
                procedure.locals.push_back({std::move(argument), asType()});
                procedure.hasArgument = true;
                if (isSymbol(","))
                    fail(texts::ReadOneArgument);
            }
            symbol(")");
        }
        checkEvent(procedure);
        endOfLine();
        Procedure& stored = procedure;
        stored.body = block();
        word("End");
        stored.endLine = previousLine();
        word("Sub");
        endOfLine();
        locals_ = nullptr;
        const int index = int(program_.procedures.size() - 1);
        if (sameName(stored.name, EventNames[0]))
            program_.formLoad = index;
        else if (sameName(stored.name, EventNames[1]))
            program_.option1Click = index;
        else if (sameName(stored.name, EventNames[2]))
            program_.timer1Timer = index;
    }

    void checkEvent(const Procedure& procedure) const
    {
        const bool click = sameName(procedure.name, EventNames[1]);
        if (!click && !sameName(procedure.name, EventNames[0])
            && !sameName(procedure.name, EventNames[2]))
            return;
        const bool wellFormed = click
            ? procedure.hasArgument && procedure.locals[0].type == Type::Integer
            : !procedure.hasArgument;
        if (!wellFormed)
            fail(texts::fill(texts::ReadEventArgument,
                             {procedure.name,
                              click ? "Option1_Click(Index As Integer)" : procedure.name + "()"}));
    }

    // Statements ---------------------------------------------------------

    bool atBlockEnd() const
    {
        if (peek().kind == TokenKind::EndOfFile)
            return true;
        return isWord("End") || isWord("Else") || isWord("ElseIf") || isWord("Next")
            || isWord("Loop") || isWord("Case");
    }

    Block block()
    {
        enter();
        Block body;
        for (;;) {
            skipEmptyLines();
            if (atBlockEnd())
                break;
            statementLine(body);
        }
        leave();
        return body;
    }

    // One line's statements, separated by ':'.
    void statementLine(Block& body)
    {
        for (;;) {
            statement(body);
            if (!acceptSymbol(":"))
                break;
            if (peek().kind == TokenKind::EndOfLine)
                break;
        }
        endOfLine();
    }

    void statement(Block& body)
    {
        const int line = peek().line;
        if (acceptWord("Dim")) {
            declarations(*locals_);
            return;
        }
        if (acceptWord("If"))
            return ifStatement(body, line);
        if (acceptWord("For"))
            return forStatement(body, line);
        if (acceptWord("Do"))
            return doStatement(body, line);
        if (acceptWord("Select"))
            return selectStatement(body, line);
        if (acceptWord("Exit")) {
            Stmt stmt{StmtKind::ExitSub, line};
            if (acceptWord("For"))
                stmt.kind = StmtKind::ExitFor;
            else if (acceptWord("Do"))
                stmt.kind = StmtKind::ExitDo;
            else
                word("Sub");
            checkExit(stmt.kind);
            body.push_back(std::move(stmt));
            return;
        }
        if (acceptWord("Call")) {
            const int column = peek().column;
            return callStatement(body, line, column, name(), true);
        }
        if (peek().kind != TokenKind::Name)
            fail(texts::fill(texts::ReadUnexpected, {peek().text}));
        if (!isTaken(peek().text)) {
            if (peek(1).kind == TokenKind::Symbol && peek(1).text == "=")
                fail(texts::fill(texts::ReadUnknownName, {peek().text}));
            const int column = peek().column;
            return callStatement(body, line, column, take().text, false);
        }
        acceptWord("Let");
        assignment(body, line);
    }

    void checkExit(StmtKind kind) const
    {
        if (kind == StmtKind::ExitFor
            && std::find(loops_.begin(), loops_.end(), StmtKind::For) == loops_.end())
            fail(texts::fill(texts::ReadExitOutside, {"Exit For"}));
        if (kind == StmtKind::ExitDo
            && std::find(loops_.begin(), loops_.end(), StmtKind::DoWhile) == loops_.end())
            fail(texts::fill(texts::ReadExitOutside, {"Exit Do"}));
    }

    static bool isControl(std::string_view text)
    {
        for (const auto& control : Controls) {
            if (sameName(text, control.name))
                return true;
        }
        return false;
    }

    void callStatement(Block& body, int line, int column, std::string callee, bool parenthesised)
    {
        Stmt stmt{StmtKind::Call, line};
        stmt.column = column;
        if (!atEndOfStatement()) {
            const bool open = parenthesised && acceptSymbol("(");
            if (!(open && isSymbol(")")))
                stmt.value = expression();
            if (acceptSymbol(","))
                fail(texts::ReadOneArgument);
            if (open)
                symbol(")");
        }
        stmt.callee = std::move(callee);
        body.push_back(std::move(stmt));
    }

    void assignment(Block& body, int line)
    {
        const int column = peek().column;
        const std::string target = name();
        if (const auto variable = findVariable(target)) {
            symbol("=");
            Stmt stmt{StmtKind::Assign, line};
            stmt.variable = *variable;
            stmt.value = expression();
            body.push_back(std::move(stmt));
            return;
        }
        if (!isControl(target))
            throw ProgramError(line, column, texts::fill(texts::ReadUnknownName, {target}));
        Stmt stmt{StmtKind::SetProperty, line};
        stmt.index = controlIndex(target);
        symbol(".");
        stmt.property = propertyOf(target, name());
        symbol("=");
        stmt.value = expression();
        body.push_back(std::move(stmt));
    }

    // A control array's element index, or nothing for a single control.
    ExprPtr controlIndex(std::string_view control)
    {
        bool array = false;
        for (const auto& known : Controls) {
            if (sameName(control, known.name))
                array = known.array;
        }
        if (!array)
            return nullptr;
        symbol("(");
        ExprPtr index = expression();
        symbol(")");
        return index;
    }

    void ifStatement(Block& body, int line)
    {
        Stmt stmt{StmtKind::If, line};
        ExprPtr condition = expression();
        word("Then");
        if (peek().kind != TokenKind::EndOfLine) {
            // On one line: statements up to Else, then Else's up to the line's end.
            Block then;
            enter();
            for (;;) {
                statement(then);
                if (!acceptSymbol(":") || isWord("Else") || peek().kind == TokenKind::EndOfLine)
                    break;
            }
            if (acceptWord("Else")) {
                stmt.hasElse = true;
                for (;;) {
                    statement(stmt.elseBody);
                    if (!acceptSymbol(":") || peek().kind == TokenKind::EndOfLine)
                        break;
                }
            }
            leave();
            stmt.branches.push_back({line, std::move(condition), std::move(then)});
            body.push_back(std::move(stmt));
            return;
        }
        endOfLine();
        stmt.branches.push_back({line, std::move(condition), block()});
        for (;;) {
            const int branchLine = peek().line;
            const int branchColumn = peek().column;
            if (acceptWord("ElseIf")) {
                ExprPtr next = expression();
                word("Then");
                endOfLine();
                if (stmt.hasElse)
                    throw ProgramError(branchLine, branchColumn,
                                       texts::fill(texts::ReadExpected, {"End If"}));
                stmt.branches.push_back({branchLine, std::move(next), block()});
            } else if (acceptWord("Else")) {
                if (stmt.hasElse)
                    throw ProgramError(branchLine, branchColumn,
                                       texts::fill(texts::ReadExpected, {"End If"}));
                endOfLine();
                stmt.hasElse = true;
                stmt.elseBody = block();
            } else {
                break;
            }
        }
        word("End");
        word("If");
        body.push_back(std::move(stmt));
    }

    void forStatement(Block& body, int line)
    {
        Stmt stmt{StmtKind::For, line};
        const int nameLine = peek().line;
        const int nameColumn = peek().column;
        const std::string counter = name();
        const auto variable = findVariable(counter);
        if (!variable)
            throw ProgramError(nameLine, nameColumn,
                               texts::fill(texts::ReadUnknownName, {counter}));
        if (variableType(*variable) == Type::String || variableType(*variable) == Type::Boolean)
            throw ProgramError(nameLine, nameColumn,
                               texts::fill(texts::ReadNotAVariable, {counter}));
        stmt.variable = *variable;
        symbol("=");
        stmt.value = expression();
        word("To");
        stmt.last = expression();
        if (acceptWord("Step"))
            stmt.step = expression();
        endOfLine();
        loops_.push_back(StmtKind::For);
        stmt.body = block();
        loops_.pop_back();
        stmt.endLine = peek().line;
        word("Next");
        if (peek().kind == TokenKind::Name && !sameName(take().text, counter))
            expected("Next " + counter);
        body.push_back(std::move(stmt));
    }

    void doStatement(Block& body, int line)
    {
        Stmt stmt{StmtKind::DoWhile, line};
        word("While");
        stmt.value = expression();
        endOfLine();
        loops_.push_back(StmtKind::DoWhile);
        stmt.body = block();
        loops_.pop_back();
        word("Loop");
        body.push_back(std::move(stmt));
    }

    void selectStatement(Block& body, int line)
    {
        Stmt stmt{StmtKind::Select, line};
        word("Case");
        stmt.value = expression();
        endOfLine();
        skipEmptyLines();
        while (acceptWord("Case")) {
            Case branch;
            if (!acceptWord("Else")) {
                do
                    branch.tests.push_back(caseTest());
                while (acceptSymbol(","));
            }
            endOfLine();
            branch.body = block();
            const bool last = branch.tests.empty();
            stmt.cases.push_back(std::move(branch));
            if (last)
                break;
        }
        word("End");
        word("Select");
        body.push_back(std::move(stmt));
    }

    CaseTest caseTest()
    {
        CaseTest test;
        if (acceptWord("Is")) {
            test.kind = CaseTest::Kind::Is;
            const std::optional<Operator> op = comparison();
            if (!op)
                expected("сравнение");
            test.op = *op;
            test.first = concatenation();
            return test;
        }
        test.first = expression();
        if (acceptWord("To")) {
            test.kind = CaseTest::Kind::Range;
            test.last = expression();
        }
        return test;
    }

    // Each call names a procedure of the form, declared before or after it.
    void bindCalls(Block& body)
    {
        for (Stmt& stmt : body) {
            for (Branch& branch : stmt.branches)
                bindCalls(branch.body);
            for (Case& branch : stmt.cases)
                bindCalls(branch.body);
            bindCalls(stmt.elseBody);
            bindCalls(stmt.body);
            if (stmt.kind != StmtKind::Call)
                continue;
            stmt.procedure = findProcedure(stmt.callee);
            if (stmt.procedure < 0)
                throw ProgramError(stmt.line, stmt.column,
                                   texts::fill(texts::ReadUnknownName, {stmt.callee}));
            const bool takes = program_.procedures[std::size_t(stmt.procedure)].hasArgument;
            if (takes != bool(stmt.value))
                throw ProgramError(
                    stmt.line, stmt.column,
                    texts::fill(texts::ReadExpected,
                                {takes ? "един аргумент" : "извикване без аргумент"}));
        }
    }

    // Expressions, from the loosest binding --------------------------------

    // An operator with its operands: the tree is as deep as its deepest
    // operand and one more, and running it goes as deep, so a chain of
    // operators nests as deep as it is long.
    ExprPtr nested(ExprPtr expr)
    {
        for (const ExprPtr& operand : expr->operands)
            expr->depth = std::max(expr->depth, operand->depth + 1);
        if (expr->depth + depth_ > MaxNesting)
            fail(texts::ReadTooDeep);
        return expr;
    }

    ExprPtr binary(Operator op, ExprPtr left, ExprPtr right)
    {
        auto expr = std::make_unique<Expr>(Expr{ExprKind::Binary});
        expr->op = op;
        expr->operands.push_back(std::move(left));
        expr->operands.push_back(std::move(right));
        return nested(std::move(expr));
    }

    ExprPtr expression()
    {
        ExprPtr left = conjunction();
        while (acceptWord("Or"))
            left = binary(Operator::Or, std::move(left), conjunction());
        return left;
    }

    ExprPtr conjunction()
    {
        ExprPtr left = negation();
        while (acceptWord("And"))
            left = binary(Operator::And, std::move(left), negation());
        return left;
    }

    ExprPtr negation()
    {
        if (!acceptWord("Not"))
            return relation();
        enter();
        auto expr = std::make_unique<Expr>(Expr{ExprKind::Not});
        expr->operands.push_back(negation());
        leave();
        return nested(std::move(expr));
    }

    std::optional<Operator> comparison()
    {
        static constexpr std::array<std::pair<std::string_view, Operator>, 6> Comparisons{{
            {"=", Operator::Equal},
            {"<>", Operator::NotEqual},
            {"<", Operator::Less},
            {">", Operator::Greater},
            {"<=", Operator::LessOrEqual},
            {">=", Operator::GreaterOrEqual},
        }};
        for (const auto& [symbol, op] : Comparisons) {
            if (acceptSymbol(symbol))
                return op;
        }
        return std::nullopt;
    }

    ExprPtr relation()
    {
        ExprPtr left = concatenation();
        while (const std::optional<Operator> op = comparison())
            left = binary(*op, std::move(left), concatenation());
        return left;
    }

    ExprPtr concatenation()
    {
        ExprPtr left = additive();
        while (acceptSymbol("&"))
            left = binary(Operator::Concatenate, std::move(left), additive());
        return left;
    }

    ExprPtr additive()
    {
        ExprPtr left = modulo();
        for (;;) {
            if (acceptSymbol("+"))
                left = binary(Operator::Add, std::move(left), modulo());
            else if (acceptSymbol("-"))
                left = binary(Operator::Subtract, std::move(left), modulo());
            else
                return left;
        }
    }

    ExprPtr modulo()
    {
        ExprPtr left = quotient();
        while (acceptWord("Mod"))
            left = binary(Operator::Modulo, std::move(left), quotient());
        return left;
    }

    ExprPtr quotient()
    {
        ExprPtr left = product();
        while (acceptSymbol("\\"))
            left = binary(Operator::IntegerDivide, std::move(left), product());
        return left;
    }

    ExprPtr product()
    {
        ExprPtr left = unary();
        while (acceptSymbol("*"))
            left = binary(Operator::Multiply, std::move(left), unary());
        return left;
    }

    ExprPtr unary()
    {
        if (acceptSymbol("-")) {
            enter();
            auto expr = std::make_unique<Expr>(Expr{ExprKind::Negate});
            expr->operands.push_back(unary());
            leave();
            return nested(std::move(expr));
        }
        if (acceptSymbol("+"))
            return unary();
        return primary();
    }

    ExprPtr literal(Value value)
    {
        auto expr = std::make_unique<Expr>(Expr{ExprKind::Literal});
        expr->literal = std::move(value);
        return expr;
    }

    ExprPtr primary()
    {
        const Token& token = peek();
        if (token.kind == TokenKind::Literal)
            return literal(take().literal);
        if (acceptSymbol("(")) {
            enter();
            ExprPtr inner = expression();
            symbol(")");
            leave();
            return inner;
        }
        if (token.kind != TokenKind::Name)
            fail(texts::fill(texts::ReadUnexpected,
                             {token.kind == TokenKind::EndOfLine ? "край на реда" : token.text}));
        const int line = token.line;
        const int column = token.column;
        const std::string text = take().text;
        if (auto value = constant(text))
            return literal(std::move(*value));
        if (const auto variable = findVariable(text)) {
            auto expr = std::make_unique<Expr>(Expr{ExprKind::Variable});
            expr->variable = *variable;
            return expr;
        }
        for (const auto& function : Functions) {
            if (sameName(text, function.name))
                return call(function);
        }
        if (isControl(text))
            return property(text);
        throw ProgramError(line, column, texts::fill(texts::ReadUnknownName, {text}));
    }

    ExprPtr call(const FunctionName& function)
    {
        auto expr = std::make_unique<Expr>(Expr{ExprKind::Function});
        expr->function = function.function;
        symbol("(");
        enter();
        do
            expr->operands.push_back(expression());
        while (acceptSymbol(","));
        leave();
        symbol(")");
        if (expr->operands.size() < function.fewest || expr->operands.size() > function.most)
            expected(std::string(function.name) + "(" + std::to_string(function.fewest)
                     + (function.most > function.fewest ? "–" + std::to_string(function.most) : "")
                     + ")");
        return nested(std::move(expr));
    }

    ExprPtr property(std::string_view control)
    {
        auto expr = std::make_unique<Expr>(Expr{ExprKind::Property});
        enter();
        if (ExprPtr index = controlIndex(control))
            expr->operands.push_back(std::move(index));
        symbol(".");
        expr->property = propertyOf(control, name());
        if (expr->property == Property::FloorName) {
            symbol("(");
            expr->operands.push_back(expression());
            symbol(")");
        }
        leave();
        return nested(std::move(expr));
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
    Program program_;
    std::vector<Variable>* locals_ = nullptr;
    std::vector<StmtKind> loops_;
};

} // namespace

Program read(std::string_view source)
{
    return Reader(tokenize(source)).run();
}

} // namespace lodarix::program
