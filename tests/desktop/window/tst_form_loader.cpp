// The window as the loader builds it from the description, before and right
// after load: geometry in pixels, texts, font, colours as drawn, stacking,
// tab order and where the focus starts.

#include "window_test_support.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

using lodarix::LodarixWindow;
using namespace window_test;

class TestFormLoader : public QObject {
    Q_OBJECT

private slots:
    void clientAreaIsFixed()
    {
        LodarixWindow window;
        QCOMPARE(window.form().size(), QSize(461, 345));
        QCOMPARE(window.form().minimumSize(), QSize(461, 345));
        QCOMPARE(window.form().maximumSize(), QSize(461, 345));
        QVERIFY(
            window.form().windowTitle().endsWith(QStringLiteral(" Физика - движение на асансьор")));
        QVERIFY(!window.form().windowIcon().isNull());
        QCOMPARE(window.form().windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void controlsSitAtTheirPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame2") << "Frame2" << -1 << "Lodarix" << QRect(72, 32, 361, 41);
        QTest::newRow("button 1") << "Option1" << 0 << "Frame2" << QRect(0, 8, 25, 19);
        QTest::newRow("button 2") << "Option1" << 1 << "Frame2" << QRect(32, 8, 25, 19);
        QTest::newRow("button 8") << "Option1" << 7 << "Frame2" << QRect(224, 8, 25, 19);
        QTest::newRow("button 11") << "Option1" << 10 << "Frame2" << QRect(320, 8, 25, 19);
        QTest::newRow("Frame1") << "Frame1" << -1 << "Lodarix" << QRect(32, 104, 281, 65);
        QTest::newRow("open grille") << "Option2" << 1 << "Frame1" << QRect(8, 8, 257, 19);
        QTest::newRow("closed grille") << "Option2" << 0 << "Frame1" << QRect(8, 40, 257, 27);
        QTest::newRow("List1") << "List1" << -1 << "Lodarix" << QRect(344, 80, 113, 42);
        QTest::newRow("quotation box") << "Text1" << 1 << "Lodarix" << QRect(40, 216, 449, 121);
        QTest::newRow("status box") << "Text1" << 0 << "Lodarix" << QRect(8, 192, 449, 121);
        QTest::newRow("title") << "Label1" << 0 << "Lodarix" << QRect(48, 0, 337, 25);
    }

    void controlsSitAtTheirPixels()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        LodarixWindow window;
        const QByteArray key = name.toLatin1();
        QWidget* widget =
            index < 0 ? control(window, key.constData()) : control(window, key.constData(), index);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
    }

    void everyFloorButtonSitsInOneRow()
    {
        LodarixWindow window;
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(floorButton(window, i)->geometry(), QRect(32 * i, 8, 25, 19));
            QCOMPARE(floorButton(window, i)->text(), QString::number(i + 1));
        }
    }

    void textsAreTheStoredOnes()
    {
        LodarixWindow window;
        const QString status = control<QPlainTextEdit>(window, "Text1", 0)->toPlainText();
        const QString quote = control<QPlainTextEdit>(window, "Text1", 1)->toPlainText();
        QCOMPARE(status.size() + status.count(QLatin1Char('\n')), 904);
        QVERIFY(status.startsWith(QStringLiteral("Най-често срещаните модели асансьори")));
        QCOMPARE(quote,
                 QStringLiteral("Неприятното в това да си първият, направил нещо по \n"
                                "правилния начин, е, че никой не оценява колко трудно е \n"
                                "било. \n"));
        QCOMPARE(control<QLabel>(window, "Label1", 0)->text(),
                 QStringLiteral("Асансьор - предпазна решетка, номер етаж"));
        QCOMPARE(control<QRadioButton>(window, "Option2", 0)->text(),
                 QStringLiteral("Предпазната решетка е затворена"));
        QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), QString());
        auto* list = control<QListWidget>(window, "List1");
        QCOMPARE(list->count(), 11);
        QCOMPARE(list->item(7)->text(), QStringLiteral("Етаж VIII"));
    }

    void everyControlShowsTheFormsFont()
    {
        LodarixWindow window;
        QCOMPARE(window.form().font().family(), QStringLiteral("Times New Roman"));
        const auto widgets = window.form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
            + control(window, "Frame2")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
            + control(window, "Frame1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : widgets) {
            if (widget->objectName().isEmpty())
                continue;
            QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(widget->font().pointSize(), 12);
            QCOMPARE(widget->font().weight(), QFont::Normal);
            QCOMPARE(QFontInfo(widget->font()).family(), QFontInfo(window.form().font()).family());
        }
    }

    void coloursAreDrawnFlat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("color");
        QTest::newRow("form") << "" << -1 << QColor(192, 192, 255);
        QTest::newRow("title") << "Label1" << 0 << QColor(255, 192, 128);
        QTest::newRow("open grille") << "Option2" << 1 << QColor(255, 128, 128);
        QTest::newRow("closed grille") << "Option2" << 0 << QColor(128, 255, 128);
        QTest::newRow("button 1 has the cabin") << "Option1" << 0 << QColor(255, 128, 128);
        QTest::newRow("button 2 is idle") << "Option1" << 1 << QColor(0, 255, 0);
        QTest::newRow("button 11 is idle") << "Option1" << 10 << QColor(0, 255, 0);
        QTest::newRow("floor frame") << "Frame2" << -1 << QColor(192, 192, 255);
    }

    void coloursAreDrawnFlat()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QColor, color);
        LodarixWindow window;
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form()));
        const QByteArray key = name.toLatin1();
        QWidget* widget = name.isEmpty() ? &window.form()
            : index < 0                  ? control(window, key.constData())
                                         : control(window, key.constData(), index);
        QCOMPARE(dominantColor(widget), color);
    }

    void theStatusBoxLiesAboveTheQuotation()
    {
        LodarixWindow window;
        const QList<QWidget*> stack =
            window.form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(stack.indexOf(control(window, "Text1", 0))
                > stack.indexOf(control(window, "Text1", 1)));
        QWidget* hit = window.form().childAt(QPoint(300, 250));
        QWidget* status = control(window, "Text1", 0);
        QVERIFY(hit == status || status->isAncestorOf(hit));
    }

    void textBoxesWrapAndAlwaysShowTheirScrollBar()
    {
        LodarixWindow window;
        for (int index : {0, 1}) {
            auto* box = control<QPlainTextEdit>(window, "Text1", index);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
    }

    void nothingIsSelectedBeforeLoadAndTheTimerRuns()
    {
        LodarixWindow window;
        for (int i = 0; i < 11; ++i)
            QVERIFY(!floorButton(window, i)->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Option2", 0)->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Option2", 1)->isChecked());
        QVERIFY(stepTimer(window)->isActive());
        QCOMPARE(stepTimer(window)->interval(), 800);
        QCOMPARE(stepTimer(window)->timerType(), Qt::PreciseTimer);
    }

    void tabOrderFollowsTheTabIndices()
    {
        LodarixWindow window;
        QStringList order;
        QWidget* widget = control(window, "Text1", 0);
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control(window, "Text1", 0));
        QCOMPARE(order,
                 (QStringList{"Text1_0", "Text1_1", "List1", "Option1_1", "Option1_2", "Option1_3",
                              "Option1_4", "Option1_5", "Option1_6", "Option1_7", "Option1_8",
                              "Option2_0", "Option2_1", "Option1_9", "Option1_10", "Option1_0"}));
    }

    void theFocusStartsAtTheLowestTabIndexThatCanTakeIt_data()
    {
        QTest::addColumn<bool>("notesEnabled");
        QTest::addColumn<bool>("namesVisible");
        QTest::addColumn<QString>("focused");
        QTest::newRow("the lowest that takes the focus") << true << true << "Notes";
        QTest::newRow("a disabled control is passed over") << false << true << "Names";
        QTest::newRow("and a hidden one") << false << false << "Other";
    }

    void theFocusStartsAtTheLowestTabIndexThatCanTakeIt()
    {
        QFETCH(bool, notesEnabled);
        QFETCH(bool, namesVisible);
        QFETCH(QString, focused);
        // Stored out of tab order; the title label has the lowest tab index
        // but takes no focus.
        const auto controls = std::to_array<lodarix::ControlDescription>({
            {.name = "Other",
             .kind = lodarix::ControlKind::TextBox,
             .rect = {0, 1500, 1500, 600},
             .tabIndex = 3},
            {.name = "Names",
             .kind = lodarix::ControlKind::ListBox,
             .rect = {0, 900, 1500, 600},
             .tabIndex = 2,
             .visible = namesVisible},
            {.name = "Notes",
             .kind = lodarix::ControlKind::TextBox,
             .rect = {0, 300, 1500, 600},
             .tabIndex = 1,
             .enabled = notesEnabled},
            {.name = "Title",
             .kind = lodarix::ControlKind::Label,
             .rect = {0, 0, 1500, 300},
             .text = "Title",
             .tabIndex = 0},
        });
        const lodarix::FormDescription description{
            .name = "Form",
            .caption = "Form",
            .clientWidth = 3000,
            .clientHeight = 2400,
            .background = 0x00FFFFFF,
            .font = {.family = "Times New Roman", .pointSize = 12},
            .controls = controls};
        const lodarix::LoadedForm loaded = lodarix::loadForm(description);
        QWidget* first = lodarix::focusFirstControl(loaded);
        QVERIFY(first);
        QCOMPARE(first->objectName(), focused);
        loaded.form->show();
        QVERIFY(QTest::qWaitForWindowActive(loaded.form.get()));
        QCOMPARE(QApplication::focusWidget(), first);
    }
};

QTEST_MAIN(TestFormLoader)
#include "tst_form_loader.moc"
