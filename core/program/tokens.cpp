#include "core/program/tokens.h"

#include "core/program/program_error.h"
#include "core/texts/number_texts.h"
#include "core/texts/program_texts.h"

#include <algorithm>
#include <cctype>

namespace lodarix::program {

namespace {

bool isNameStart(unsigned char c)
{
    return std::isalpha(c) || c >= 0x80;
}

bool isNamePart(unsigned char c)
{
    return isNameStart(c) || std::isdigit(c) || c == '_';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = char(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view source)
        : source_(source)
    {
    }

    std::vector<Token> run()
    {
        while (at_ < source_.size())
            next();
        start_ = at_;
        push(TokenKind::EndOfLine, {});
        push(TokenKind::EndOfFile, {});
        return std::move(tokens_);
    }

private:
    [[noreturn]] void fail(std::string_view text) const
    {
        throw ProgramError(line_, columnOf(at_), std::string(text));
    }

    // The column of the character at byte at of the line under way, counted
    // on from the last one asked, so that a long line costs its length once.
    int columnOf(std::size_t at) const
    {
        if (countedTo_ < lineStart_ || countedTo_ > at) {
            countedTo_ = lineStart_;
            column_ = 1;
        }
        for (; countedTo_ < at && countedTo_ < source_.size(); ++countedTo_) {
            if ((static_cast<unsigned char>(source_[countedTo_]) & 0xC0) != 0x80)
                ++column_;
        }
        return column_;
    }

    void push(TokenKind kind, std::string text, Value literal = {})
    {
        tokens_.push_back({kind, line_, columnOf(start_), std::move(text), std::move(literal)});
    }

    char peek(std::size_t ahead = 0) const
    {
        return at_ + ahead < source_.size() ? source_[at_ + ahead] : '\0';
    }

    void next()
    {
        start_ = at_;
        const char c = source_[at_];
        if (c == '\n') {
            push(TokenKind::EndOfLine, {});
            ++line_;
            ++at_;
            lineStart_ = at_;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++at_;
        } else if (c == '\'') {
            while (at_ < source_.size() && source_[at_] != '\n')
                ++at_;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            decimal();
        } else if (c == '&' && (peek(1) == 'H' || peek(1) == 'h') && hexDigit(peek(2)) >= 0) {
            hex();
        } else if (c == '"') {
            string();
        } else if (isNameStart(static_cast<unsigned char>(c))) {
            name();
        } else {
            symbol();
        }
    }

    void decimal()
    {
        std::int64_t n = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            n = n * 10 + (peek() - '0');
            if (n > 0xFFFFFFFFLL)
                fail(texts::ReadNumberTooLarge);
            ++at_;
        }
        if (peek() == '.' && std::isdigit(static_cast<unsigned char>(peek(1))))
            fail(texts::ReadNoFractions);
        Type type = n <= 32767 ? Type::Integer : Type::Long;
        if (peek() == '&') {
            type = Type::Long;
            ++at_;
        } else if (peek() == '%') {
            type = Type::Integer;
            ++at_;
        }
        if ((type == Type::Integer && n > 32767) || n > 2147483647)
            fail(texts::ReadNumberTooLarge);
        push(TokenKind::Literal, {}, {type, false, std::int32_t(n), {}});
    }

    // &H and up to 8 hex digits: an Integer of 16 bits with its sign when
    // they fit in 4 digits and no & follows, else a Long of 32 bits.
    void hex()
    {
        at_ += 2;
        std::uint32_t n = 0;
        int digits = 0;
        for (; hexDigit(peek()) >= 0; ++at_, ++digits) {
            if (digits == 8)
                fail(texts::ReadNumberTooLarge);
            n = n * 16 + std::uint32_t(hexDigit(peek()));
        }
        const bool asLong = peek() == '&' || digits > 4;
        if (peek() == '&' || peek() == '%')
            ++at_;
        if (asLong)
            push(TokenKind::Literal, {}, Value::longValue(std::int32_t(n)));
        else
            push(TokenKind::Literal, {}, Value::integer(std::int16_t(std::uint16_t(n))));
    }

    void string()
    {
        std::string text;
        ++at_;
        for (;;) {
            if (at_ >= source_.size() || source_[at_] == '\n' || source_[at_] == '\r')
                fail(texts::ReadUnclosedString);
            if (source_[at_] == '"') {
                if (peek(1) != '"')
                    break;
                ++at_;
            }
            text += source_[at_++];
        }
        ++at_;
        push(TokenKind::Literal, {}, Value::string(std::move(text)));
    }

    void name()
    {
        const std::size_t start = at_;
        while (at_ < source_.size() && isNamePart(static_cast<unsigned char>(source_[at_])))
            ++at_;
        push(TokenKind::Name, std::string(source_.substr(start, at_ - start)));
    }

    void symbol()
    {
        static constexpr std::string_view Pairs[] = {"<=", ">=", "<>"};
        for (const std::string_view pair : Pairs) {
            if (source_.substr(at_, 2) == pair) {
                push(TokenKind::Symbol, std::string(pair));
                at_ += 2;
                return;
            }
        }
        const char c = source_[at_];
        if (c == '/')
            fail(texts::ReadNoFractions);
        if (std::string_view("()=<>+-*\\&,.:").find(c) == std::string_view::npos)
            fail(texts::fill(texts::ReadBadCharacter, {source_.substr(at_, 1)}));
        push(TokenKind::Symbol, std::string(1, c));
        ++at_;
    }

    std::string_view source_;
    std::size_t at_ = 0;
    std::size_t start_ = 0;             // where the token under way began
    std::size_t lineStart_ = 0;         // where the line under way began
    mutable std::size_t countedTo_ = 0; // columnOf's last byte, and its column
    mutable int column_ = 1;
    int line_ = 1;
    std::vector<Token> tokens_;
};

} // namespace

std::vector<Token> tokenize(std::string_view source)
{
    return Tokenizer(source).run();
}

bool isKeyword(std::string_view name)
{
    static constexpr std::string_view Keywords[] = {
        "Dim",     "As",    "Private", "Public",  "Sub",    "End",   "Exit",   "Call",
        "If",      "Then",  "ElseIf",  "Else",    "For",    "To",    "Step",   "Next",
        "Do",      "While", "Loop",    "Select",  "Case",   "Is",    "And",    "Or",
        "Not",     "Mod",   "True",    "False",   "ByVal",  "ByRef", "Option", "Let",
        "Integer", "Long",  "String",  "Boolean", "Variant"};
    for (const std::string_view keyword : Keywords) {
        if (sameName(name, keyword))
            return true;
    }
    return false;
}

bool sameName(std::string_view name, std::string_view word)
{
    return std::equal(
        name.begin(), name.end(), word.begin(), word.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

} // namespace lodarix::program
