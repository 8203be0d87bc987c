#include "desktop/events_window/script_panel.h"

#include "core/texts/events_view_texts.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/example_scripts.h"
#include "desktop/motion_window/record_files.h"
#include "desktop/motion_window/save_dialog.h"
#include "desktop/window/qt_text.h"
#include "desktop/window/status_announcer.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

namespace lodarix {

namespace {

namespace words = events_texts;

// A script longer than this is no lesson's; the box is spared it.
constexpr qint64 LongestScript = 16 * 1024 * 1024;

QPushButton* button(std::string_view text, std::string_view tip, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(toQString(text), parent);
    made->setObjectName(QLatin1String(name));
    made->setToolTip(toQString(tip));
    return made;
}

} // namespace

ScriptPanel::ScriptPanel(StatusAnnouncer& announcer, QWidget* parent)
    : QWidget(parent)
    , announcer_(announcer)
    , box_(new QPlainTextEdit(this))
    , examples_(new QComboBox(this))
    , open_(button(words::OpenScript, words::OpenScriptTip, "openScriptButton", this))
    , runButton_(button(words::Run, words::RunTip, "runScriptButton", this))
    , result_(new QLabel(this))
    , saveJsonLines_(
          button(words::SaveJsonLines, words::SaveJsonLinesTip, "saveJsonLinesButton", this))
    , saveCsv_(button(words::SaveScriptCsv, words::SaveScriptCsvTip, "saveScriptCsvButton", this))
    , saveWorkbook_(button(words::SaveScriptWorkbook, words::SaveScriptWorkbookTip,
                           "saveScriptWorkbookButton", this))
{
    auto* label = new QLabel(toQString(words::Script), this);
    label->setBuddy(box_);
    box_->setObjectName(QStringLiteral("scriptBox"));
    box_->setAccessibleName(toQString(words::Script));
    box_->setTabChangesFocus(true);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono = box_->font();
    mono.setFamily(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    box_->setFont(mono);

    examples_->setObjectName(QStringLiteral("examplesBox"));
    examples_->setAccessibleName(toQString(words::Examples));
    examples_->addItem(toQString(words::ChooseExample));
    for (const trace::ExampleScript& example : trace::exampleScripts())
        examples_->addItem(toQString(example.name));
    connect(examples_, &QComboBox::activated, this, &ScriptPanel::chooseExample);

    result_->setObjectName(QStringLiteral("scriptResult"));
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(open_, &QPushButton::clicked, this, &ScriptPanel::askAndOpen);
    connect(runButton_, &QPushButton::clicked, this, &ScriptPanel::runScript);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &ScriptPanel::runScript);
    }
    connect(saveJsonLines_, &QPushButton::clicked, this, [this] {
        askAndSave(words::SaveJsonLinesTitle, words::JsonLinesFileName, words::JsonLinesFilter,
                   QStringLiteral("jsonl"), &ScriptPanel::saveJsonLines);
    });
    connect(saveCsv_, &QPushButton::clicked, this, [this] {
        askAndSave(motion_texts::SaveCsvTitle, words::ScriptCsvFileName, motion_texts::CsvFilter,
                   QStringLiteral("csv"), &ScriptPanel::saveCsv);
    });
    connect(saveWorkbook_, &QPushButton::clicked, this, [this] {
        askAndSave(motion_texts::SaveWorkbookTitle, words::ScriptWorkbookFileName,
                   motion_texts::WorkbookFilter, QStringLiteral("xlsx"),
                   &ScriptPanel::saveWorkbook);
    });
    for (QPushButton* save : {saveJsonLines_, saveCsv_, saveWorkbook_})
        save->setEnabled(false);

    auto* commands = new QHBoxLayout;
    commands->addWidget(examples_, 1);
    commands->addWidget(open_);
    commands->addWidget(runButton_);
    auto* saves = new QHBoxLayout;
    saves->addWidget(saveJsonLines_);
    saves->addWidget(saveCsv_);
    saves->addWidget(saveWorkbook_);
    saves->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(box_, 1);
    layout->addLayout(commands);
    layout->addWidget(result_);
    layout->addLayout(saves);
}

QList<QWidget*> ScriptPanel::tabOrder() const
{
    return {box_, examples_, open_, runButton_, saveJsonLines_, saveCsv_, saveWorkbook_};
}

QString ScriptPanel::result() const
{
    return result_->text();
}

void ScriptPanel::tell(const QString& text)
{
    result_->setText(text);
    announcer_.announce(text);
}

void ScriptPanel::runScript()
{
    std::string script = box_->toPlainText().toStdString();
    auto run = std::make_unique<trace::ScriptRun>(script);
    emit runReplacing();
    run_ = std::move(run);
    ranScript_ = std::move(script);
    if (const auto& stop = run_->stop()) {
        tell(toQString(stop->message));
        QTextCursor at(box_->document()->findBlockByNumber(stop->line - 1));
        box_->setTextCursor(at);
    } else {
        tell(toQString(texts::fill(
            words::ScriptRan,
            {std::to_string(run_->commandsRun()), std::to_string(run_->trace().size())})));
    }
    saveJsonLines_->setEnabled(true);
    saveCsv_->setEnabled(true);
    saveWorkbook_->setEnabled(!run_->stop());
    emit scriptRan();
}

void ScriptPanel::chooseExample(int index)
{
    const auto examples = trace::exampleScripts();
    if (index < 1 || static_cast<std::size_t>(index) > examples.size())
        return;
    box_->setPlainText(toQString(examples[static_cast<std::size_t>(index - 1)].text));
    examples_->setCurrentIndex(0);
    box_->setFocus(Qt::OtherFocusReason);
}

bool ScriptPanel::openScript(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LongestScript) {
        tell(toQString(texts::fill(words::CannotOpen, {QFileInfo(path).fileName().toStdString()})));
        return false;
    }
    box_->setPlainText(QString::fromUtf8(file.readAll()));
    result_->clear();
    return true;
}

void ScriptPanel::askAndOpen()
{
    const StandardDialogScope scope;
    const QString path = QFileDialog::getOpenFileName(
        this, toQString(words::OpenScriptTitle), startFolder(), toQString(words::ScriptFilter));
    if (!path.isEmpty())
        openScript(path);
}

bool ScriptPanel::saveJsonLines(const QString& path)
{
    if (!run_)
        return false;
    return saveFile(this, path, QByteArray::fromStdString(trace::jsonLines(ranScript_)));
}

bool ScriptPanel::saveCsv(const QString& path)
{
    if (!run_)
        return false;
    return saveFile(this, path, QByteArray::fromStdString(run_->motionCsv()));
}

bool ScriptPanel::saveWorkbook(const QString& path)
{
    const auto bytes = run_ ? run_->workbook() : std::nullopt;
    if (!bytes)
        return false;
    return saveFile(this, path, QByteArray::fromStdString(*bytes));
}

void ScriptPanel::askAndSave(std::string_view title, std::string_view fileName,
                             std::string_view filter, const QString& suffix,
                             bool (ScriptPanel::*save)(const QString&))
{
    const StandardDialogScope scope;
    const QString path =
        askSavePath(this, toQString(title), toQString(fileName), toQString(filter), suffix);
    if (!path.isEmpty())
        (this->*save)(path);
}

} // namespace lodarix
