// The form's code's language against its runtime's rules: each row runs a
// Form_Load whose last value is r, or that stops with an error at a line.
// Lines count from the procedure's first line of code, which is line 3.

#include "core/form/lodarix_form.h"
#include "core/model/window_model.h"
#include "core/program/machine.h"
#include "core/program/reader.h"

#include <QTest>

using namespace lodarix;
using namespace lodarix::program;

namespace {

constexpr int Reading = 0;

struct Outcome {
    QString value; // "Integer 5", "String abc", ...; empty after an error
    int error = -1;
    int line = 0;
};

QString describe(const Value& value)
{
    switch (value.type) {
    case Type::Empty:
        return "Empty";
    case Type::Boolean:
        return value.number ? "Boolean True" : "Boolean False";
    case Type::Integer:
        return "Integer " + QString::number(value.number);
    case Type::Long:
        return "Long " + QString::number(value.number);
    case Type::String:
        return "String " + QString::fromStdString(value.text);
    case Type::Variant:
        break;
    }
    return {};
}

Outcome run(const QString& body, const QString& procedures)
{
    const QString source =
        "Dim r As Variant\nSub Form_Load()\n" + body + "\nEnd Sub\n" + procedures;
    try {
        const Program program = read(source.toStdString());
        WindowModel window(lodarixForm());
        Machine machine(program, window);
        machine.start(Event::Load);
        machine.finish();
        return {describe(machine.variables()[0])};
    } catch (const ProgramError& error) {
        return {{}, error.number(), error.line()};
    }
}

} // namespace

class TestProgramLanguage : public QObject {
    Q_OBJECT

private:
    static void value(const char* name, const char* body, const char* expected,
                      const char* procedures = "")
    {
        QTest::newRow(name) << QString::fromUtf8(body) << QString::fromUtf8(procedures)
                            << QString::fromUtf8(expected) << -1 << 0;
    }
    static void error(const char* name, const char* body, int number, int line,
                      const char* procedures = "")
    {
        QTest::newRow(name) << QString::fromUtf8(body) << QString::fromUtf8(procedures) << QString()
                            << number << line;
    }

private slots:
    void runsAsTheRuntimeDid_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("procedures");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("line");

        value("integer division truncates toward zero", "r = -7 \\ 2", "Integer -3");
        value("Mod takes the dividend's sign", "r = -7 Mod 3", "Integer -1");
        value("Mod of a negative divisor", "r = 7 Mod -3", "Integer 1");
        value("* binds before \\", "r = 7 \\ 2 * 2", "Integer 1");
        value("Mod binds before +", "r = 10 Mod 4 + 1", "Integer 3");
        value("+ binds before &", "r = \"a\" & 1 + 2", "String a3");
        value("& of numbers is text", "r = 1 & 2", "String 12");
        value("& of a Boolean", "r = True & \"\"", "String True");
        value("+ of two texts joins them", "r = \"a\" + \"b\"", "String ab");
        value("a Variant's Integer widens to Long", "r = 32767\nr = r + 1", "Long 32768");
        error("a typed Integer overflows", "Dim i As Integer\ni = 32767\ni = i + 1", 6, 5);
        error("Integer constants overflow", "r = 32767 + 1", 6, 3);
        error("a typed Long overflows", "Dim l As Long\nl = 2147483647\nl = l + 1", 6, 5);
        error("a Variant's Long overflows", "r = 2147483647\nr = r + 1", 6, 4);
        error("-32768 \\ -1 overflows an Integer", "Dim i As Integer\ni = -32768\ni = i \\ -1", 6,
              5);
        value("&H of four digits is a signed Integer", "r = &HFFFF", "Integer -1");
        value("&H with & is a Long", "r = &HFFFF&", "Long 65535");
        value("&H of six digits is a Long", "r = &H8080FF", "Long 8421631");
        value("a Variant's number sorts before its text", "Dim a, b\na = \"10\"\nb = 9\nr = b < a",
              "Boolean True");
        value("a typed comparison reads the text as a number", "r = \"10\" < 9", "Boolean False");
        error("a typed comparison with a text that is no number", "r = \"abc\" > 5", 13, 3);
        value("Empty equals 0 and \"\"", "Dim v\nr = (v = 0) And (v = \"\")", "Boolean True");
        value("True counts as -1", "r = True + 1", "Integer 0");
        value("Not of a number is bitwise", "r = Not 0", "Integer -1");
        value("Not of a Boolean", "r = Not True", "Boolean False");
        value("And of numbers is bitwise", "r = 12 And 10", "Integer 8");
        value("Not binds after comparisons", "r = Not 1 = 2", "Boolean True");
        value("texts compare by their characters", "r = \"Б\" > \"А\"", "Boolean True");
        value("a doubled quote in a text", "r = \"say \"\"hi\"\"\"", "String say \"hi\"");
        value("a text into an Integer", "Dim i As Integer\ni = \" 42 \"\nr = i", "Integer 42");
        error("a word into an Integer", "Dim i As Integer\ni = \"four\"", 13, 4);
        value("a number into a Boolean", "Dim b As Boolean\nb = 5\nr = b", "Boolean True");
        error("division by zero", "r = 1 \\ 0", 11, 3);
        error("Mod by zero", "r = 1 Mod 0", 11, 3);

        value("Len counts characters", "r = Len(\"Етаж\")", "Long 4");
        value("Left", "r = Left(\"Асансьор\", 3)", "String Аса");
        value("Mid from a place", "r = Mid(\"Асансьор\", 3, 2)", "String ан");
        value("Mid to the end", "r = Mid(\"Етаж XI\", 6)", "String XI");
        value("Right longer than the text", "r = Right(\"abc\", 5)", "String abc");
        error("Mid from 0", "r = Mid(\"abc\", 0)", 5, 3);
        error("Left of a negative length", "r = Left(\"abc\", -1)", 5, 3);
        value("CStr", "r = CStr(-3)", "String -3");
        value("CInt of a text", "r = CInt(\"12\")", "Integer 12");
        error("CInt of a word", "r = CInt(\"x\")", 13, 3);
        error("CInt too large", "r = CInt(40000)", 6, 3);
        value("Abs", "r = Abs(-5)", "Integer 5");
        value("RGB", "r = RGB(255, 128, 128)", "Long 8421631");

        value("For with Step", "Dim i As Integer\nFor i = 1 To 5 Step 2\nr = r & i\nNext i",
              "String 135");
        value("For counting down", "Dim i\nFor i = 10 To 1 Step -4\nr = r & i\nNext",
              "String 1062");
        value("For that never runs", "Dim i\nFor i = 5 To 1\nr = 1\nNext", "Empty");
        error("For past an Integer's end", "Dim i As Integer\nFor i = 32766 To 32767\nNext", 6, 5);
        value("Exit For", "Dim i\nFor i = 1 To 10\nIf i = 3 Then Exit For\nNext\nr = i",
              "Integer 3");
        value("Do While", "Dim n As Integer\nDo While n < 5\nn = n + 2\nLoop\nr = n", "Integer 6");
        value("Select Case by range",
              "Select Case 7\nCase 1, 2\nr = \"a\"\nCase 3 To 8\nr = \"b\"\nCase Else\nr = \"c\"\n"
              "End Select",
              "String b");
        value("Select Case Is",
              "Select Case 7\nCase Is > 9\nr = 1\nCase Is >= 7\nr = 2\nEnd Select", "Integer 2");
        value("Case Else", "Select Case \"x\"\nCase \"y\"\nr = 1\nCase Else\nr = 2\nEnd Select",
              "Integer 2");
        value("ElseIf",
              "Dim n\nn = 2\nIf n = 1 Then\nr = \"one\"\nElseIf n = 2 Then\nr = \"two\"\nElse\n"
              "r = \"many\"\nEnd If",
              "String two");
        value("single-line If with Else", "If 1 > 2 Then r = \"a\" Else r = \"b\"", "String b");
        value("statements joined by :", "r = 1: r = r + 1", "Integer 2");
        value("Exit Sub", "r = 1\nExit Sub\nr = 2", "Integer 1");
        value("Call with an argument", "Call Twice(3)", "Integer 6",
              "Sub Twice(n As Integer)\nr = n * 2\nEnd Sub\n");
        value("a variable passed by reference", "Dim k As Integer\nk = 1\nBump k\nr = k",
              "Integer 2", "Sub Bump(x As Integer)\nx = x + 1\nEnd Sub\n");
        value("ByVal passes a copy", "Dim k As Integer\nk = 1\nBump k\nr = k", "Integer 1",
              "Sub Bump(ByVal x As Integer)\nx = x + 1\nEnd Sub\n");
        error("an endless loop stops at its 10,001st statement", "Do While True\nLoop", 18, 3);
        error("the 201st nested call", "Down", 28, 6, "Sub Down()\nDown\nEnd Sub\n");
        value("names ignore case", "R = 1\nr = R + 1", "Integer 2");
        value("comments", "' a comment\nr = 1 ' and another", "Integer 1");

        error("a floor button past the last", "Option1(11).BackColor = 0", 9, 3);
        error("a floor button's index that is no number", "Option1(\"x\").BackColor = 0", 13, 3);
        error("a colour past &HFFFFFF", "Option1(0).BackColor = &H1000000", 380, 3);
        error("an interval under 200 ms", "Timer1.Interval = 5", 380, 3);
        value("an interval read back", "Timer1.Interval = 400\nr = Timer1.Interval", "Long 400");
        value("a floor button's caption", "r = Option1(1).Caption", "String 2");
        value("the floor names' count", "r = List1.ListCount", "Integer 11");
        value("a floor name", "r = List1.List(10)", "String Етаж XI");
        error("a floor name past the last", "r = List1.List(11)", 9, 3);
        value("the status text holds what is written", "Text1(0).Text = 5\nr = Text1(0).Text",
              "String 5");
        error("a colour cannot be read back", "r = Option1(0).BackColor", 438, 3);
        error("a property the control lacks", "Option1(0).Visible = False", 438, 3);
        error("the program cannot close the grille", "Option2(0).Value = True", 380, 3);
        error("the quotation box is out of the code's reach", "Text1(1).Text = \"\"", 438, 3);
        error("the list cannot be shown again", "List1.Visible = True", 380, 3);

        error("/ is no operator", "r = 1 / 2", Reading, 3);
        error("no fractions", "r = 1.5", Reading, 3);
        error("an undeclared name", "x = 1", Reading, 3);
        error("a call of no procedure", "Fly", Reading, 3);
        error("an unclosed text", "r = \"abc", Reading, 3);
        error("an If without End If", "If True Then\nr = 1", Reading, 5);
        error("an event with the wrong argument", "", Reading, 5, "Sub Timer1_Timer(n)\nEnd Sub\n");
        error("two arguments", "", Reading, 5, "Sub Two(a, b)\nEnd Sub\n");
        error("a name declared twice", "Dim a\nDim a", Reading, 4);
        error("a second Else", "If True Then\nr = 1\nElse\nr = 2\nElse\nr = 3\nEnd If", Reading, 7);
        error("a text that doubles without end", "r = \"ab\"\nDo While True\nr = r & r\nLoop", 14,
              5);
    }

    void runsAsTheRuntimeDid()
    {
        QFETCH(QString, body);
        QFETCH(QString, procedures);
        QFETCH(QString, value);
        QFETCH(int, error);
        QFETCH(int, line);
        const Outcome outcome = run(body, procedures);
        QCOMPARE(outcome.error, error);
        QCOMPARE(outcome.line, line);
        QCOMPARE(outcome.value, value);
    }

    // The column counts characters, not bytes, from 1; at the end of the
    // text it stands after the last character.
    void readingErrorsNameTheirColumn_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("at the end of the text")
            << QStringLiteral("Dim r As Variant\nSub Form_Load()\n    r = 1 +") << 3 << 12;
        QTest::newRow("after Cyrillic letters")
            << QStringLiteral("Dim r As Variant\nSub Form_Load()\n    r = \"Етаж\" / 2\nEnd Sub\n")
            << 3 << 16;
        QTest::newRow("an unknown name")
            << QStringLiteral("Sub Form_Load()\n    Call Nowhere\nEnd Sub\n") << 2 << 10;
    }

    void readingErrorsNameTheirColumn()
    {
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(int, column);
        try {
            read(source.toStdString());
            QFAIL("it read");
        } catch (const ProgramError& error) {
            QCOMPARE(error.number(), 0);
            QCOMPARE(error.line(), line);
            QCOMPARE(error.column(), column);
        }
    }

    void nestingDeeperThan64IsAReadingError_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::newRow("parentheses") << "("
                                     << ")";
        QTest::newRow("If blocks") << "If True Then\n"
                                   << "\nEnd If";
        QTest::newRow("Not") << "Not "
                             << "";
        QTest::newRow("a chain of operators") << "1 + "
                                              << "";
    }

    void nestingDeeperThan64IsAReadingError()
    {
        QFETCH(QString, open);
        QFETCH(QString, close);
        const auto nested = [&](int depth) {
            const bool expression = !open.contains('\n');
            return (expression ? "r = " : "") + open.repeated(depth) + (expression ? "1" : "r = 1")
                + close.repeated(depth);
        };
        QCOMPARE(run(nested(60), {}).error, -1);
        QCOMPARE(run(nested(65), {}).error, Reading);
        QCOMPARE(run(nested(100000), {}).error, Reading);
    }

    void anArgumentPassedByReferenceShowsAsTheCallersVariable()
    {
        const Program program = read("Dim k As Integer\nSub Form_Load()\nk = 1\nBump k\nEnd Sub\n"
                                     "Sub Bump(x As Integer)\nx = x + 1\nk = k + 1\nEnd Sub\n");
        WindowModel window(lodarixForm());
        Machine machine(program, window);
        machine.start(Event::Load);
        for (int statement = 0; statement < 3; ++statement)
            machine.step();
        // x = x + 1 ran in Bump: x is k, and both show it.
        QCOMPARE(machine.locals().at(0), Value::integer(2));
        QCOMPARE(machine.variables().at(0), Value::integer(2));
    }
};

QTEST_APPLESS_MAIN(TestProgramLanguage)
#include "tst_program_language.moc"
