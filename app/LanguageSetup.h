#pragma once

#include <QLocale>
#include <QString>

// The interface language: "/language/country" of Segmo.ini, or the system's
// language when it is not set.
namespace LanguageSetup {

// "chinese" for a stored "chinese"; any other stored text is English; an
// empty one follows the locale.
QString countryFor(const QString& stored, const QLocale& system);

// Reads the setting, loads the program's catalogue (and the framework's own
// English texts for English), installs them, sets the language index and
// writes the setting back. Runs again after a language switch: the two
// translators are children of the application object and are reused.
void applyLanguage();

} // namespace LanguageSetup
