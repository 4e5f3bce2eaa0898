#include "windows/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "rules/text.h"

namespace zx {

namespace {
const QString kLanguageKey = QStringLiteral("ui/language");
// Each language by its own name, as a speaker looks for it.
struct Spoken {
    const char* code;
    const char* name;
};
const Spoken kLanguages[] = {{"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}};
}  // namespace

std::vector<LanguageChoice> languageChoices() {
    std::vector<LanguageChoice> choices;
    choices.push_back({QString(), QCoreApplication::translate("Language", "System language")});
    for (const Spoken& language : kLanguages)
        choices.push_back({QString::fromLatin1(language.code), QString::fromUtf8(language.name)});
    return choices;
}

QString languageSetting() { return QSettings().value(kLanguageKey).toString(); }

void setLanguageSetting(const QString& code) { QSettings().setValue(kLanguageKey, code); }

QLocale localeFor(const QString& code) { return code.isEmpty() ? QLocale::system() : QLocale(code); }

bool installLanguage(QCoreApplication& app, const QLocale& locale) {
    QLocale::setDefault(locale);
    bool found = false;
    if (locale.language() != QLocale::English) {
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        auto* game = new QTranslator(&app);
        found = game->load(locale, QStringLiteral("zentrix"), QStringLiteral("_"), QStringLiteral(":/i18n"));
        if (found) QCoreApplication::installTranslator(game);
    }
    SetTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return found;
}

}  // namespace zx
