// The toolkit's side of a Bulgarian program, whatever the system's locale:
// Qt's own texts (a text box's context menu, the file dialogs, the message
// box buttons) come from Qt's Bulgarian translation, and numbers are written
// the Bulgarian way, with a decimal comma. Without the translation file the
// program runs on with Qt's English texts.
#pragma once

#include <QString>

namespace lodarix {

// Installs Qt's Bulgarian translation (qtbase_bg.qm) from folder in the
// running application. False, with nothing installed, when the folder has no
// readable translation. Needs a QCoreApplication.
bool installQtTranslation(const QString& folder);

// Makes Bulgarian (Bulgaria) the default locale and installs Qt's Bulgarian
// translation from Qt's translations folder, silently doing without it.
void useBulgarian();

} // namespace lodarix
