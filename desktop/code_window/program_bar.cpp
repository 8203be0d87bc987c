#include "desktop/code_window/program_bar.h"

#include "core/texts/editing_texts.h"
#include "desktop/window/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

namespace lodarix {

namespace {

namespace bar_words = editing_texts;

QPushButton* barButton(std::string_view text, std::string_view tip, const char* name,
                       QWidget* parent)
{
    auto* made = new QPushButton(toQString(text), parent);
    made->setToolTip(toQString(tip));
    made->setObjectName(QLatin1String(name));
    return made;
}

} // namespace

ProgramBar::ProgramBar(QWidget* parent)
    : QWidget(parent)
{
    edit_ = barButton(bar_words::Edit, bar_words::EditTip, "editButton", this);
    edit_->setCheckable(true);
    run_ = barButton(bar_words::Run, bar_words::RunTip, "runButton", this);
    original_ =
        barButton(bar_words::BackToOriginal, bar_words::BackToOriginalTip, "originalButton", this);
    compare_ = barButton(bar_words::Compare, bar_words::CompareTip, "compareButton", this);
    compareScript_ = barButton(bar_words::CompareScript, bar_words::CompareScriptTip,
                               "compareScriptButton", this);
    reference_ =
        barButton(bar_words::OpenReference, bar_words::OpenReferenceTip, "referenceButton", this);
    open_ = barButton(bar_words::OpenProgram, bar_words::OpenProgramTip, "openButton", this);
    save_ = barButton(bar_words::SaveProgram, bar_words::SaveProgramTip, "saveButton", this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("programStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    finding_ = new QLabel(this);
    finding_->setObjectName(QStringLiteral("comparisonFinding"));
    finding_->setWordWrap(true);
    finding_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    finding_->hide();

    auto* buttons = new QHBoxLayout;
    for (QAbstractButton* each :
         {edit_, run_, original_, compare_, compareScript_, reference_, open_, save_})
        buttons->addWidget(each);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(finding_);
}

void ProgramBar::setStatus(const QString& status)
{
    status_->setText(status);
}

void ProgramBar::setFinding(const QString& finding)
{
    finding_->setText(finding);
    finding_->setVisible(!finding.isEmpty());
}

QList<QWidget*> ProgramBar::tabOrder() const
{
    return {edit_, run_, original_, compare_, compareScript_, reference_, open_, save_};
}

} // namespace lodarix
