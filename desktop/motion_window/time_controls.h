// The teacher's time controls of the motion window, built as one row:
// "Пауза"/"Продължи" and "Стъпка" with their keys (P or Pause, S), the step
// interval, the storey height and "Цялата сесия". The keys work from any
// control of the window, the spin boxes included. The row only builds the
// controls and hands them out; the window connects them to the pacer, the
// graphs and the table.
#pragma once

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QHBoxLayout;
class QSpinBox;
class QToolButton;
class QWidget;

namespace lodarix {

struct TimeControls {
    QAction* pause;
    QAction* step;
    QToolButton* pauseButton;
    QToolButton* stepButton;
    QSpinBox* interval;
    QDoubleSpinBox* storeyHeight;
    QCheckBox* wholeSession;
    QHBoxLayout* row;
};

// The controls, children of window, whose actions it holds; intervalMs the
// step interval shown first.
TimeControls buildTimeControls(QWidget& window, int intervalMs);

} // namespace lodarix
