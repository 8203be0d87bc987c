// The code window's program bar at work: the pupil's own program edited,
// run, brought back to the original, compared, opened and saved.
#include "core/program/form_code.h"
#include "core/program/program_status.h"
#include "core/texts/editing_texts.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/code_window/code_editor.h"
#include "desktop/code_window/code_window.h"
#include "desktop/code_window/program_bar.h"
#include "desktop/code_window/program_files.h"
#include "desktop/motion_window/save_dialog.h"
#include "desktop/window/key_sequences.h"
#include "desktop/window/qt_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTextCursor>

#include <string>

namespace lodarix {

namespace {

namespace edit_words = editing_texts;

const QString ProgramSuffix = QStringLiteral("bas");

} // namespace

void CodeWindow::buildProgramBar()
{
    programBar_ = new ProgramBar(this);
    programBar_->setObjectName(QStringLiteral("programBar"));
    connect(programBar_->editButton(), &QAbstractButton::toggled, editor_,
            &CodeEditor::setEditable);
    auto* run = new QAction(this);
    run->setShortcuts(desktopShortcuts(form::KeyAction::RunCode));
    run->setShortcutContext(Qt::WindowShortcut);
    addAction(run);
    const auto runEdited = [this] { emit runRequested(editedText()); };
    connect(run, &QAction::triggered, this, runEdited);
    connect(programBar_->runButton(), &QAbstractButton::clicked, this, runEdited);
    connect(programBar_->originalButton(), &QAbstractButton::clicked, this,
            &CodeWindow::backToOriginal);
    connect(programBar_->compareButton(), &QAbstractButton::clicked, this,
            &CodeWindow::compareRequested);
    connect(programBar_->compareScriptButton(), &QAbstractButton::clicked, this,
            &CodeWindow::compareByScript);
    connect(programBar_->referenceButton(), &QAbstractButton::clicked, this,
            &CodeWindow::openReference);
    connect(programBar_->openButton(), &QAbstractButton::clicked, this, &CodeWindow::openProgram);
    connect(programBar_->saveButton(), &QAbstractButton::clicked, this, &CodeWindow::saveProgram);
    showStatus();
}

QString CodeWindow::editedText() const
{
    return editor_->toPlainText();
}

void CodeWindow::setEditedText(std::string_view text)
{
    QTextCursor all(editor_->document());
    all.select(QTextCursor::Document);
    all.insertText(toQString(text));
}

bool CodeWindow::unsaved() const
{
    return editedText() != savedText_;
}

bool CodeWindow::mayDiscardEdits(std::string_view question)
{
    if (!unsaved())
        return true;
    return QMessageBox::question(this, toQString(edit_words::UnsavedTitle), toQString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void CodeWindow::showReadingError(int line, int column, std::string_view report)
{
    editor_->setErrorMark(line, column);
    const std::string told = texts::fill(edit_words::NotRun, {report});
    errorReport_->setText(toQString(told));
    errorReport_->show();
    summary_ = toQString(told);
    announcer_.announce(summary_);
    if (editor_->editable())
        editor_->setFocus(Qt::OtherFocusReason);
}

void CodeWindow::showComparison(std::string_view finding, int line)
{
    programBar_->setFinding(toQString(finding));
    editor_->setDifferenceLine(line);
    announcer_.announce(toQString(finding));
}

void CodeWindow::setReferenceName(const QString& name)
{
    referenceName_ = name;
    showStatus();
}

void CodeWindow::showStatus()
{
    const std::string running = program::runningName(source_, fileName_.toStdString(), fileText_);
    programBar_->setStatus(
        toQString(program::programStatus(running, referenceName_.toStdString())));
}

void CodeWindow::tell(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, toQString(texts::ProgramName), message, QMessageBox::Ok,
                    this);
    box.exec();
}

void CodeWindow::backToOriginal()
{
    if (!mayDiscardEdits(edit_words::UnsavedBackToOriginal))
        return;
    const QString original = toQString(program::formCode());
    savedText_ = original;
    setEditedText(program::formCode());
    emit runRequested(original);
}

void CodeWindow::openProgram()
{
    if (!mayDiscardEdits(edit_words::UnsavedOpen))
        return;
    const QString path = askOpenPath(this, toQString(edit_words::OpenProgramTitle),
                                     toQString(edit_words::ProgramFilter));
    if (path.isEmpty())
        return;
    auto read = readProgramFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        tell(*message);
        return;
    }
    const std::string& text = std::get<std::string>(read);
    fileName_ = QFileInfo(path).fileName();
    fileText_ = text;
    savedText_ = toQString(text);
    setEditedText(text);
    emit runRequested(savedText_);
}

void CodeWindow::saveProgram()
{
    const QString path =
        askSavePath(this, toQString(edit_words::SaveProgramTitle),
                    fileName_.isEmpty() ? toQString(edit_words::ProgramFileName) : fileName_,
                    toQString(edit_words::ProgramFilter), ProgramSuffix);
    if (path.isEmpty())
        return;
    const QString text = editedText();
    if (const auto failure = writeProgramFile(path, text.toStdString())) {
        tell(*failure);
        return;
    }
    fileName_ = QFileInfo(path).fileName();
    fileText_ = text.toStdString();
    savedText_ = text;
    showStatus();
}

void CodeWindow::openReference()
{
    const QString path = askOpenPath(this, toQString(edit_words::OpenReferenceTitle),
                                     toQString(edit_words::ProgramFilter));
    if (path.isEmpty())
        return;
    auto read = readProgramFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        tell(*message);
        return;
    }
    emit referenceChosen(QFileInfo(path).fileName(), toQString(std::get<std::string>(read)));
}

void CodeWindow::compareByScript()
{
    const QString path = askOpenPath(this, toQString(edit_words::OpenScriptTitle),
                                     toQString(events_texts::ScriptFilter));
    if (path.isEmpty())
        return;
    auto read = readScriptFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        showComparison(message->toStdString(), 0);
        return;
    }
    emit compareScriptRequested(toQString(std::get<std::string>(read)));
}

} // namespace lodarix
