#include "desktop/window/help_box.h"

#include "core/form/help.h"
#include "core/texts/main_window_texts.h"
#include "desktop/window/qt_text.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace lodarix {

namespace {

QString escaped(std::string_view text)
{
    return toQString(text).toHtmlEscaped();
}

} // namespace

QString helpText()
{
    const form::Help help = form::help(form::Face::Desktop);
    QString html = QStringLiteral("<p><b>%1</b></p><table cellspacing=\"4\">")
                       .arg(escaped(help.coloursHeading));
    for (const form::HelpColour& colour : help.colours)
        html += QStringLiteral("<tr><td style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;"
                               "</td><td>%2: %3</td></tr>")
                    .arg(toQString(lift::toHexRgb(colour.color)), escaped(colour.name),
                         escaped(colour.meaning));
    html += QStringLiteral("</table><p>%1</p><p><b>%2</b></p><table cellspacing=\"4\">")
                .arg(escaped(help.grilleRule), escaped(help.keysHeading));
    for (const form::HelpKey& key : help.keys)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(key.keys), escaped(key.does));
    return html + QStringLiteral("</table>");
}

QMessageBox* showHelp(QWidget& parent)
{
    if (auto* open = parent.findChild<QMessageBox*>(QStringLiteral("help"))) {
        open->raise();
        open->activateWindow();
        return open;
    }
    const form::Help help = form::help(form::Face::Desktop);
    auto* box = new QMessageBox(&parent);
    box->setObjectName(QStringLiteral("help"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(toQString(texts::ProgramName) + QStringLiteral(" - ")
                        + toQString(help.title));
    box->setTextFormat(Qt::RichText);
    box->setText(helpText());
    box->addButton(QMessageBox::Close)->setText(toQString(help.close));
    box->open();
    return box;
}

} // namespace lodarix
