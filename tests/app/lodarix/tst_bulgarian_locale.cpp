// Qt's own texts in Bulgarian: a text box's context menu, the message box
// and file dialog buttons, numbers with a decimal comma, whatever the locale
// the program starts in; and a program that runs on, in Qt's English texts,
// when the translation file is missing or damaged.

#include "app/lodarix/application.h"
#include "app/lodarix/bulgarian_locale.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

QString qtTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

// The texts of a plain text box's standard context menu, separators left out.
QStringList contextMenuTexts()
{
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("Етаж I"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    }
    return texts;
}

} // namespace

class TestBulgarianLocale : public QObject {
    Q_OBJECT

private slots:
    // Each case starts as a session in English would start the program.
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void contextMenuOfATextBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("undo") << QStringLiteral("&Отмяна");
        QTest::newRow("redo") << QStringLiteral("По&втаряне");
        QTest::newRow("cut") << QStringLiteral("&Изрязване");
        QTest::newRow("copy") << QStringLiteral("&Копиране");
        QTest::newRow("paste") << QStringLiteral("&Поставяне");
        QTest::newRow("delete") << QStringLiteral("Изтриване");
        QTest::newRow("select all") << QStringLiteral("Избиране на всичко");
    }

    void contextMenuOfATextBox()
    {
        QFETCH(QString, text);
        QVERIFY2(lodarix::installQtTranslation(qtTranslations()), qPrintable(qtTranslations()));
        const QStringList texts = contextMenuTexts();
        QVERIFY2(texts.contains(text), qPrintable(texts.join(u'|')));
    }

    void dialogButtons_data()
    {
        QTest::addColumn<QDialogButtonBox::StandardButton>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("message box OK") << QDialogButtonBox::Ok << QStringLiteral("Добре");
        QTest::newRow("cancel") << QDialogButtonBox::Cancel << QStringLiteral("Отказ");
        QTest::newRow("save") << QDialogButtonBox::Save << QStringLiteral("Запазване");
    }

    void dialogButtons()
    {
        QFETCH(QDialogButtonBox::StandardButton, button);
        QFETCH(QString, text);
        QVERIFY(lodarix::installQtTranslation(qtTranslations()));
        QDialogButtonBox box(button);
        QCOMPARE(box.button(button)->text().remove(u'&'), text);
    }

    void fileDialogForSaving()
    {
        QVERIFY(lodarix::installQtTranslation(qtTranslations()));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(dialog.labelText(QFileDialog::FileName), QStringLiteral("Име на &файла:"));
        QCOMPARE(dialog.labelText(QFileDialog::Accept), QStringLiteral("&Запазване"));
    }

    void aMissingTranslationChangesNothing_data()
    {
        QTest::addColumn<QString>("fileContents"); // none: the folder does not exist
        QTest::newRow("no such folder") << QString();
        QTest::newRow("a folder without the file") << QStringLiteral("");
        QTest::newRow("a damaged file") << QStringLiteral("not a translation");
    }

    void aMissingTranslationChangesNothing()
    {
        QFETCH(QString, fileContents);
        QTemporaryDir work;
        QVERIFY(work.isValid());
        QString folder = work.filePath(QStringLiteral("translations"));
        if (!fileContents.isNull()) {
            QVERIFY(QDir().mkpath(folder));
            if (!fileContents.isEmpty()) {
                QFile file(folder + QStringLiteral("/qtbase_bg.qm"));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(fileContents.toUtf8());
            }
        }
        QVERIFY(!lodarix::installQtTranslation(folder));
        QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
        QVERIFY(contextMenuTexts().contains(QStringLiteral("&Copy")));
    }

    void startUpSpeaksBulgarianWhateverTheLocale()
    {
        lodarix::setUpApplication();
        QVERIFY(contextMenuTexts().contains(QStringLiteral("&Копиране")));
        QCOMPARE(QLocale().toString(12.8, 'f', 1), QStringLiteral("12,8"));
        QDoubleSpinBox storey;
        storey.setDecimals(1);
        storey.setValue(3.0);
        QCOMPARE(storey.text(), QStringLiteral("3,0"));
    }
};

QTEST_MAIN(TestBulgarianLocale)
#include "tst_bulgarian_locale.moc"
