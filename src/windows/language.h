#pragma once
// The language the game speaks: the desktop's unless the player chose one
// in Settings > Language. It is chosen once, at start.

#include <QLocale>
#include <QString>
#include <vector>

class QCoreApplication;

namespace zx {

struct LanguageChoice {
    QString code;  // "" for the desktop's language, else "en", "de", ...
    QString name;  // in its own language, "System language" translated
};

// "System language" first, then every language the game speaks.
std::vector<LanguageChoice> languageChoices();

// The player's choice kept in the settings ("" for the desktop's language).
QString languageSetting();
void setLanguageSetting(const QString& code);

// The locale the game speaks for a choice: the desktop's for "".
QLocale localeFor(const QString& code);

// Loads Qt's own and the game's catalogues for the locale into the
// application (which owns them), makes the locale the default for dates and
// hands the rules their translator. English needs no catalogue. Returns
// whether the game's catalogue for the language was found.
bool installLanguage(QCoreApplication& app, const QLocale& locale);

}  // namespace zx
