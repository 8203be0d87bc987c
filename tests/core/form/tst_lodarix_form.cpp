// The stored window: its texts to the character, the floor buttons' storage
// order against their indices and the tab order. Where the controls sit is
// checked in pixels, as the loader places them.

#include "core/form/lodarix_form.h"
#include "core/lift/floor_table.h"
#include "core/texts/main_window_texts.h"
#include "desktop/window/qt_text.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace lodarix;

namespace {

// Characters, not bytes: the texts are Cyrillic.
qsizetype characters(std::string_view text)
{
    return toQString(text).toUcs4().size();
}

QString label(const ControlDescription& control)
{
    QString name = toQString(control.name);
    if (control.index)
        name += QStringLiteral("(%1)").arg(*control.index);
    return name;
}

const ControlDescription& control(std::string_view name, std::optional<int> index = {})
{
    for (const ControlDescription& candidate : lodarixForm().controls) {
        if (candidate.name == name && candidate.index == index)
            return candidate;
    }
    qFatal("no control %s", std::string(name).c_str());
}

} // namespace

class TestLodarixForm : public QObject {
    Q_OBJECT

private slots:
    void longTextsKeepTheirLengthAndLineEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("lines");
        QTest::newRow("exercise statement") << toQString(texts::ExerciseStatement) << 904 << 11;
        QTest::newRow("quotation") << toQString(texts::Quotation) << 118 << 3;
    }

    void longTextsKeepTheirLengthAndLineEnds()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(int, lines);
        QCOMPARE(text.toUcs4().size(), length);
        QCOMPARE(text.count(QStringLiteral("\r\n")), lines);
        QCOMPARE(text.count(QLatin1Char('\n')), lines);
        QCOMPARE(text.count(QLatin1Char('\r')), lines);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    }

    void statementKeepsItsBlanks()
    {
        const QStringList lines = toQString(texts::ExerciseStatement).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.at(2), QStringLiteral("Проектът да представя движение на асансьор. "));
        QCOMPARE(lines.at(6), QStringLiteral("Преминаването на всеки междинен етаж да: "));
        QVERIFY(lines.at(7).startsWith(QStringLiteral("а)  става")));
        QCOMPARE(toQString(texts::Quotation).split(QStringLiteral("\r\n")).at(2),
                 QStringLiteral("било. "));
    }

    void boxesStartWithTheirTexts()
    {
        QCOMPARE(characters(control("Text1", 0).text), qsizetype(904));
        QCOMPARE(characters(control("Text1", 1).text), qsizetype(118));
        QVERIFY(control("Text1", 0).multiLine && control("Text1", 0).verticalScrollBar);
        QCOMPARE(toQString(control("Label1", 0).text),
                 QStringLiteral("Асансьор - предпазна решетка, номер етаж"));
        QCOMPARE(toQString(control("Option2", 0).text),
                 QStringLiteral("Предпазната решетка е затворена"));
        QCOMPARE(toQString(control("Option2", 1).text),
                 QStringLiteral("Предпазната решетка е отворена"));
    }

    void captionIsAnAddressABlankAndTheSubject()
    {
        const QString caption = toQString(lodarixForm().caption);
        const qsizetype blank = caption.indexOf(QLatin1Char(' '));
        QVERIFY(caption.left(blank).startsWith(QStringLiteral("https://")));
        QCOMPARE(caption.mid(blank + 1), QStringLiteral("Физика - движение на асансьор"));
    }

    void floorButtonsAreStoredTopDownButPlacedByIndex()
    {
        QList<int> storedOrder;
        for (const ControlDescription& c : lodarixForm().controls) {
            if (c.name != "Option1")
                continue;
            storedOrder << *c.index;
            QCOMPARE(c.container, std::string_view("Frame2"));
            QCOMPARE(c.text, lift::FloorTable::caption(lift::FloorIndex(*c.index)));
            QCOMPARE(*c.background, *c.index == 0 ? lift::ColorCabin : lift::ColorIdle);
            QVERIFY(c.graphical);
            QVERIFY(!c.selected);
        }
        QCOMPARE(storedOrder, (QList<int>{0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    }

    void everyStoredControlIsNamedOnce()
    {
        QStringList names;
        for (const ControlDescription& c : lodarixForm().controls) {
            QVERIFY(!c.name.empty());
            QVERIFY2(!names.contains(label(c)), qPrintable(label(c)));
            names << label(c);
        }
        QCOMPARE(names.size(), 20);
    }

    void textBoxesAreStoredQuotationFirst()
    {
        QStringList order;
        for (const ControlDescription& c : lodarixForm().controls) {
            if (c.name == "Text1")
                order << label(c);
        }
        QCOMPARE(order, (QStringList{"Text1(1)", "Text1(0)"}));
    }

    void tabOrderFollowsTheTabIndices()
    {
        std::map<int, QString> byTabIndex;
        for (const ControlDescription& c : lodarixForm().controls) {
            if (c.tabIndex)
                QVERIFY2(byTabIndex.emplace(*c.tabIndex, label(c)).second,
                         "tab indices are unique");
        }
        QStringList order;
        for (const auto& [index, name] : byTabIndex)
            order << name;
        QCOMPARE(order,
                 (QStringList{"Text1(0)", "Text1(1)", "Label1(0)", "List1", "Frame1", "Frame2",
                              "Option1(1)", "Option1(2)", "Option1(3)", "Option1(4)", "Option1(5)",
                              "Option1(6)", "Option1(7)", "Option1(8)", "Option2(0)", "Option2(1)",
                              "Option1(9)", "Option1(10)", "Option1(0)"}));
        QCOMPARE(byTabIndex.rbegin()->first, 18);
    }

    void theQuotationRunsPastTheRightEdge()
    {
        const auto& quote = control("Text1", 1).rect;
        QCOMPARE(lodarixForm().clientWidth, 6915);
        QCOMPARE(lodarixForm().clientHeight, 5175);
        QVERIFY(quote.left + quote.width > lodarixForm().clientWidth);
    }

    void formWideSettings()
    {
        const FormDescription& form = lodarixForm();
        QCOMPARE(form.name, std::string_view("Lodarix"));
        QCOMPARE(form.background, lift::Color(0x00FFC0C0));
        QCOMPARE(form.font.family, std::string_view("Times New Roman"));
        QCOMPARE(form.font.pointSize, 12);
        QCOMPARE(form.font.weight, 400);
        QCOMPARE(control("Timer1").intervalMs, 800);
        QVERIFY(control("Timer1").enabled);
        QVERIFY(control("List1").visible);
        QCOMPARE(control("List1").items.size(), std::size_t(11));
        QCOMPARE(control("List1").items[7], std::string_view("Етаж VIII"));
        QCOMPARE(*control("Label1", 0).background, lift::Color(0x0080C0FF));
        QCOMPARE(*control("Option2", 0).background, lift::Color(0x0080FF80));
        QCOMPARE(*control("Option2", 1).background, lift::Color(0x008080FF));
    }
};

QTEST_APPLESS_MAIN(TestLodarixForm)
#include "tst_lodarix_form.moc"
