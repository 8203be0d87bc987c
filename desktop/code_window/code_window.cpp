#include "desktop/code_window/code_window.h"

#include "core/program/code_style.h"
#include "core/program/form_code.h"
#include "core/program/line_report.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/texts/program_texts.h"
#include "core/trace/step_report.h"
#include "desktop/code_window/code_editor.h"
#include "desktop/code_window/code_highlighter.h"
#include "desktop/code_window/program_bar.h"
#include "desktop/code_window/step_history_bar.h"
#include "desktop/window/color_style.h"
#include "desktop/window/key_sequences.h"
#include "desktop/window/keyboard_context_menu.h"
#include "desktop/window/qt_text.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace lodarix {

namespace {

namespace words = code_texts;

QAction* windowAction(QWidget& window, form::KeyAction action)
{
    auto* added = new QAction(&window);
    added->setShortcuts(desktopShortcuts(action));
    added->setShortcutContext(Qt::WindowShortcut);
    window.addAction(added);
    return added;
}

} // namespace

CodeWindow::CodeWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , announcer_(*this)
    , savedText_(toQString(program::formCode()))
{
    setObjectName(QStringLiteral("CodeWindow"));
    setWindowTitle(toQString(words::WindowTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    resize(900, 900);
    openContextMenusWithShiftF10(*this);
}

void CodeWindow::buildControls()
{
    auto* stepwise = new QPushButton(toQString(words::LineByLine), this);
    stepwise->setObjectName(QStringLiteral("stepwiseButton"));
    stepwise->setCheckable(true);
    stepwise->setToolTip(toQString(words::LineByLineTip));
    stepwise_ = stepwise;
    nextLine_ = new QPushButton(toQString(words::NextLine), this);
    nextLine_->setObjectName(QStringLiteral("nextLineButton"));
    nextLine_->setToolTip(toQString(words::NextLineTip));
    nextLine_->setEnabled(false);
    restart_ = new QPushButton(toQString(words::Restart), this);
    restart_->setObjectName(QStringLiteral("restartButton"));
    restart_->setToolTip(toQString(words::RestartTip));
    auto* readLine = new QPushButton(toQString(words::ReadLine), this);
    readLine->setObjectName(QStringLiteral("readLineButton"));
    readLine->setToolTip(toQString(words::ReadLineTip));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(stepwise_);
    buttons->addWidget(nextLine_);
    buttons->addWidget(restart_);
    buttons->addStretch();
    buttons->addWidget(readLine);

    editor_ = new CodeEditor(this);
    editor_->setObjectName(QStringLiteral("codeEditor"));
    editor_->setAccessibleName(toQString(texts::FormCodeName));
    new CodeHighlighter(editor_->document());

    ranLine_ = new QLabel(toQString(words::NothingRan), this);
    ranLine_->setObjectName(QStringLiteral("ranLine"));
    ranLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errorReport_ = new QLabel(this);
    errorReport_->setObjectName(QStringLiteral("errorReport"));
    errorReport_->setWordWrap(true);
    errorReport_->setStyleSheet(
        flatFill("QLabel", lift::toColor(program::code_style::ErrorLine), QStringLiteral("none")));
    errorReport_->hide();
    steps_ = new StepHistoryBar(this);
    steps_->setObjectName(QStringLiteral("stepHistory"));

    buildProgramBar();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programBar_);
    layout->addLayout(buttons);
    layout->addWidget(editor_, 1);
    layout->addWidget(ranLine_);
    layout->addWidget(steps_);
    layout->addWidget(errorReport_);
    QList<QWidget*> order = programBar_->tabOrder();
    order << stepwise_;
    QWidget* previous = order.takeFirst();
    for (QWidget* next : order) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(stepwise_, nextLine_);
    setTabOrder(nextLine_, restart_);
    setTabOrder(restart_, readLine);
    setTabOrder(readLine, editor_);
    setTabOrder(editor_, steps_->backButton());

    connect(steps_, &StepHistoryBar::choiceChanged, this, &CodeWindow::showChoice);
    connect(steps_, &StepHistoryBar::stepChosen, this, &CodeWindow::stepChosen);

    connect(stepwise, &QPushButton::toggled, this, [this](bool on) {
        nextLine_->setEnabled(on);
        if (on)
            steps_->follow();
        emit stepwiseToggled(on);
    });
    connect(nextLine_, &QPushButton::clicked, this, [this] {
        steps_->follow();
        emit nextLineRequested();
    });
    connect(windowAction(*this, form::KeyAction::NextLine), &QAction::triggered, this, [this] {
        if (nextLine_->isEnabled()) {
            steps_->follow();
            emit nextLineRequested();
        }
    });
    connect(restart_, &QPushButton::clicked, this, &CodeWindow::restartRequested);
    connect(readLine, &QPushButton::clicked, this, &CodeWindow::readCurrentLine);
    connect(windowAction(*this, form::KeyAction::ReadLine), &QAction::triggered, this,
            &CodeWindow::readCurrentLine);
}

void CodeWindow::setSource(std::string_view source)
{
    source_ = source;
    const QString shown = toQString(source);
    if (editor_->toPlainText() != shown)
        editor_->setSource(shown);
    clearRun();
    showStatus();
}

void CodeWindow::showStatement(int line, std::string_view ranText, std::string_view summary)
{
    liveLine_ = line;
    liveText_ = toQString(ranText);
    summary_ = toQString(summary);
    if (steps_->following()) {
        editor_->setRanLine(line);
        ranLine_->setText(liveText_);
    }
    steps_->historyGrew();
    emit statementShown(line);
}

void CodeWindow::setHistory(const trace::StatementHistory* history,
                            std::shared_ptr<const program::Program> program)
{
    steps_->setHistory(history, std::move(program));
}

void CodeWindow::chooseStatement(std::size_t statement)
{
    steps_->choose(statement);
}

void CodeWindow::sayRowRanNoLines()
{
    steps_->note(toQString(words::RowRanNoLines));
}

void CodeWindow::showChoice()
{
    const std::optional<std::size_t> chosen = steps_->chosen();
    if (!chosen) {
        editor_->setRanLine(liveLine_);
        ranLine_->setText(liveText_.isEmpty() ? toQString(words::NothingRan) : liveText_);
        return;
    }
    const int line = steps_->history()->at(*chosen).line;
    editor_->setRanLine(line);
    ranLine_->setText(toQString(
        texts::fill(words::LineRan, {std::to_string(line), program::sourceLine(source_, line)})));
}

void CodeWindow::showNext(int line)
{
    editor_->setNextLine(line);
}

void CodeWindow::showError(int line, std::string_view report)
{
    editor_->setErrorLine(line);
    errorReport_->setText(toQString(report));
    errorReport_->show();
    summary_ = toQString(texts::fill(words::ErrorSummary, {report}));
}

void CodeWindow::clearRun()
{
    liveLine_ = 0;
    liveText_.clear();
    editor_->setRanLine(0);
    editor_->setNextLine(0);
    editor_->setErrorLine(0);
    ranLine_->setText(toQString(words::NothingRan));
    editor_->setDifferenceLine(0);
    programBar_->setFinding({});
    errorReport_->clear();
    errorReport_->hide();
    summary_.clear();
}

void CodeWindow::readCurrentLine()
{
    steps_->takeTypedStep();
    if (const std::optional<std::size_t> chosen = steps_->chosen()) {
        const trace::StatementHistory& history = *steps_->history();
        announcer_.announce(toQString(trace::stepSummary(source_, *steps_->program(), history,
                                                         *chosen, history.momentAfter(*chosen))));
        return;
    }
    announcer_.announce(summary_.isEmpty() ? ranLine_->text() : summary_);
}

void CodeWindow::hideEvent(QHideEvent* event)
{
    stepwise_->setChecked(false);
    QWidget::hideEvent(event);
}

bool CodeWindow::stepwise() const
{
    return stepwise_->isChecked();
}

} // namespace lodarix
