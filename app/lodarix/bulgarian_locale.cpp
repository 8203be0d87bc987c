#include "app/lodarix/bulgarian_locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace lodarix {

bool installQtTranslation(const QString& folder)
{
    auto* application = QCoreApplication::instance();
    if (application == nullptr)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_bg"), folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    translator.release()->setParent(application);
    return true;
}

void useBulgarian()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    installQtTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace lodarix
