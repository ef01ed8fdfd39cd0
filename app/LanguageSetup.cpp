#include "app/LanguageSetup.h"

#include "app/ProcessValues.h"
#include "app/SettingsFiles.h"

#include <QCoreApplication>
#include <QTranslator>

namespace LanguageSetup {

QString countryFor(const QString& stored, const QLocale& system)
{
    QString country = stored;
    if (country.isEmpty())
        country = system.language() == QLocale::Chinese ? QStringLiteral("chinese")
                                                        : QStringLiteral("english");
    return country == QLatin1String("chinese") ? country : QStringLiteral("english");
}

namespace {

QTranslator& translator(const char* name)
{
    QCoreApplication* app = QCoreApplication::instance();
    auto* found = app->findChild<QTranslator*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (found)
        return *found;
    auto* created = new QTranslator(app);
    created->setObjectName(QLatin1String(name));
    return *created;
}

} // namespace

void applyLanguage()
{
    QTranslator& program = translator("programTranslator");
    QTranslator& framework = translator("frameworkTranslator");
    const QString country = countryFor(languageSetting(), QLocale::system());
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&framework);
    if (country == QLatin1String("chinese")) {
        setLanguageIndex(ProcessValues::Chinese);
        if (program.load(QStringLiteral(":/language/lang_ch")))
            QCoreApplication::installTranslator(&program);
    } else {
        setLanguageIndex(ProcessValues::English);
        if (program.load(QStringLiteral(":/language/lang_en")))
            QCoreApplication::installTranslator(&program);
        if (framework.load(QStringLiteral("./translations/qt_en.qm")))
            QCoreApplication::installTranslator(&framework);
    }
    saveLanguageSetting(country);
}

} // namespace LanguageSetup
