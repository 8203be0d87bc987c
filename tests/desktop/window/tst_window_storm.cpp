// Ten thousand random user actions on the real window, interleaved with
// steps of its timer: clicks and double-clicks anywhere on any control, Tab,
// Shift+Tab, the arrow keys and Space sent to the focused widget, text typed
// into the text boxes, and the event loop left to run. After each action what
// the trip rules guarantee must show on the widgets, and the status text the
// rules read must be the status box's. Only the test delivers steps, so a
// seed replays the same session.

#include "window_test_support.h"

#include "desktop/window/color_style.h"

#include <QApplication>
#include <QRadioButton>

#include <deque>
#include <random>

using namespace lodarix;

using lodarix::LodarixWindow;
using namespace window_test;

namespace {

constexpr int Actions = 10'000;

// Lets the step timer's expiry through only while open, so that steps come
// from the test alone and not from the clock.
class StepGate : public QObject {
public:
    bool open = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::Timer && !open;
    }
};

class Storm {
public:
    Storm(LodarixWindow& window, unsigned seed)
        : window_(window)
        , random_(seed)
    {
        stepTimer(window)->installEventFilter(&gate_);
    }

    // One random action; returns what it was.
    QString act()
    {
        const int kind = pick(0, 99);
        if (kind < 25)
            return click();
        if (kind < 30)
            return doubleClickSomewhere();
        if (kind < 60) {
            gate_.open = true;
            timerPeriod(window_);
            gate_.open = false;
            return QStringLiteral("step");
        }
        if (kind < 70)
            return key(pick(0, 1) ? Qt::Key_Tab : Qt::Key_Backtab);
        if (kind < 82) {
            const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            return key(arrows[pick(0, 3)]);
        }
        if (kind < 92)
            return key(Qt::Key_Space);
        if (kind < 96)
            return type();
        QCoreApplication::processEvents();
        return QStringLiteral("event loop");
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    QString click()
    {
        QList<QWidget*> targets{&window_.form()};
        for (QWidget* widget : window_.form().findChildren<QWidget*>()) {
            if (widget->isVisible())
                targets << widget;
        }
        QWidget* target = targets.at(pick(0, int(targets.size()) - 1));
        const QPoint at(pick(0, target->width() - 1), pick(0, target->height() - 1));
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return QStringLiteral("click %1 at %2,%3")
            .arg(target->objectName())
            .arg(at.x())
            .arg(at.y());
    }

    // Through the window, as a window system delivers it, at a point of a
    // visible control that lies inside the window.
    QString doubleClickSomewhere()
    {
        QWidget& form = window_.form();
        QList<std::pair<QWidget*, QRect>> targets{{&form, form.rect()}};
        for (QWidget* widget : form.findChildren<QWidget*>()) {
            const QRect area =
                QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()).intersected(form.rect());
            if (widget->isVisible() && !area.isEmpty())
                targets.append({widget, area});
        }
        const auto& [target, area] = targets.at(pick(0, int(targets.size()) - 1));
        const QPoint at(pick(area.left(), area.right()), pick(area.top(), area.bottom()));
        doubleClick(&form, at);
        return QStringLiteral("double-click %1 at %2,%3")
            .arg(target->objectName())
            .arg(at.x())
            .arg(at.y());
    }

    QString key(Qt::Key key)
    {
        QWidget* focused = QApplication::focusWidget();
        QWidget* target = focused ? focused : &window_.form();
        QTest::keyClick(target, key);
        return QStringLiteral("key %1 to %2").arg(key, 0, 16).arg(target->objectName());
    }

    QString type()
    {
        static const QString letters = QStringLiteral("ab 12\tЖюя#\n");
        auto* box = control<QPlainTextEdit>(window_, "Text1", pick(0, 1));
        for (int i = pick(1, 6); i > 0; --i) {
            const QChar letter = letters.at(pick(0, int(letters.size()) - 1));
            const Qt::Key key = letter == u'\n' ? Qt::Key_Return
                : letter == u'\t'               ? Qt::Key_Tab
                                                : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, box, key, QString(letter), Qt::NoModifier);
        }
        return QStringLiteral("type into %1").arg(box->objectName());
    }

    LodarixWindow& window_;
    std::mt19937 random_;
    StepGate gate_;
};

} // namespace

class TestWindowStorm : public QObject {
    Q_OBJECT

private slots:
    void theRulesHoldThroughARandomStorm_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 8128") << 8128u;
    }

    void theRulesHoldThroughARandomStorm()
    {
        QFETCH(unsigned, seed);
        LodarixWindow window;
        QStringList errors;
        window.setErrorHandler([&errors](const std::exception& error) { errors << error.what(); });
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.form()));

        Storm storm(window, seed);
        std::deque<QString> recent;
        int trips = 0;
        for (int i = 0; i < Actions; ++i) {
            const bool wasRunning = stepTimer(window)->isActive();
            recent.push_back(storm.act());
            if (recent.size() > 6)
                recent.pop_front();
            trips += !wasRunning && stepTimer(window)->isActive();
            checkInvariants(window, i % 1000 == 0);
            if (QTest::currentTestFailed() || !errors.isEmpty()) {
                QStringList last(recent.begin(), recent.end());
                QFAIL(qPrintable(
                    QStringLiteral("broken after action %1 (%2); errors: %3")
                        .arg(i)
                        .arg(last.join(QStringLiteral(", ")), errors.join(QStringLiteral("; ")))));
            }
        }
        QVERIFY2(trips > 100, "the storm should start many trips");
    }

private:
    static void checkInvariants(LodarixWindow& window, bool asDrawn)
    {
        const std::string broken =
            test_support::brokenGuarantee(tripState(window), markers(window).toStdString());
        QVERIFY2(broken.empty(), broken.c_str());

        const QString shown = control<QPlainTextEdit>(window, "Text1", 0)->toPlainText();
        QCOMPARE(QByteArray::fromStdString(window.operations().statusText()),
                 QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());

        if (asDrawn) {
            for (int i = 0; i < lift::FloorTable::Count; ++i) {
                lodarix::FloorButton* button = floorButton(window, i);
                QCOMPARE(dominantColor(button), lodarix::toQColor(button->marker()));
            }
        }
    }
};

QTEST_MAIN(TestWindowStorm)
#include "tst_window_storm.moc"
