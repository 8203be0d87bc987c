// What assistive technology learns of the window: floor buttons as radio
// buttons with their floor, their role and their checked state; the grille's
// state; the status box's text.

#include "window_test_support.h"

#include <QAccessible>
#include <QRadioButton>

using namespace lodarix;

using lodarix::LodarixWindow;
using namespace window_test;

class TestFloorButtonAccessible : public QObject {
    Q_OBJECT

private slots:
    void floorButtonsAreRadioButtonsNamedAfterFloorAndRole()
    {
        LodarixWindow window;
        window.load();
        window.show();
        QAccessibleInterface* first = QAccessible::queryAccessibleInterface(floorButton(window, 0));
        QVERIFY(first);
        QCOMPARE(first->role(), QAccessible::RadioButton);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Етаж 1, кабината е тук"));
        QVERIFY(first->state().checkable);
        QVERIFY(!first->state().checked);

        clickGrille(window, true);
        clickFloor(window, 4);
        QAccessibleInterface* target =
            QAccessible::queryAccessibleInterface(floorButton(window, 4));
        QCOMPARE(target->text(QAccessible::Name), QStringLiteral("Етаж 5, крайна спирка"));
        QCOMPARE(target->text(QAccessible::Description), QStringLiteral("крайна спирка"));
        QVERIFY(target->state().checked);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(floorButton(window, 7))->text(QAccessible::Name),
            QStringLiteral("Етаж 8, свободен"));
    }

    void pressingThroughAccessibilityPicksTheFloor()
    {
        LodarixWindow window;
        window.load();
        clickGrille(window, true);
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(floorButton(window, 2));
        QVERIFY(button->actionInterface());
        QVERIFY(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(floorButton(window, 2)->isChecked());
        QCOMPARE(floorButton(window, 2)->marker(), lift::ColorTarget);
    }

    void theGrilleAndTheStatusBoxAreReadable()
    {
        LodarixWindow window;
        window.load();
        QAccessibleInterface* open =
            QAccessible::queryAccessibleInterface(control(window, "Option2", 1));
        QCOMPARE(open->role(), QAccessible::RadioButton);
        QVERIFY(open->state().checked);
        QCOMPARE(open->text(QAccessible::Name), QStringLiteral("Предпазната решетка е отворена"));
        QAccessibleInterface* frame =
            QAccessible::queryAccessibleInterface(control(window, "Frame1"));
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Предпазна решетка"));

        QAccessibleInterface* status =
            QAccessible::queryAccessibleInterface(control(window, "Text1", 0));
        QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Съобщения"));
        QVERIFY(status->textInterface());
        QVERIFY(status->textInterface()
                    ->text(0, status->textInterface()->characterCount())
                    .startsWith(QStringLiteral("Най-често")));
    }
};

QTEST_MAIN(TestFloorButtonAccessible)
#include "tst_floor_button_accessible.moc"
