#include "app/language.h"

#include "core/uiText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace gyrelune {

namespace {

const QString settingsKey = QStringLiteral("interface/language");

std::string translateCoreText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

void installTranslator(const QString& fileName, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

bool languageFromCode(const QString& code, Language& language) {
    if (code == QLatin1String("hu")) {
        language = Language::hungarian;
        return true;
    }
    if (code == QLatin1String("en")) {
        language = Language::english;
        return true;
    }
    return false;
}

QString languageCode(Language language) {
    return language == Language::english ? QStringLiteral("en") : QStringLiteral("hu");
}

Language savedLanguage() {
    Language language = Language::hungarian;
    languageFromCode(QSettings().value(settingsKey).toString(), language);
    return language;
}

void saveLanguage(Language language) {
    QSettings().setValue(settingsKey, languageCode(language));
}

namespace {
// Set once at start-up, before any window exists.
Language installed = Language::hungarian;
} // namespace

Language installedLanguage() {
    return installed;
}

void installLanguage(Language language) {
    installed = language;
    setTranslator(translateCoreText);
    if (language == Language::english) {
        // The texts are written in Hungarian; Qt's own are English already.
        installTranslator(QStringLiteral("gyrelune_en"), QStringLiteral(":/i18n"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        return;
    }
    installTranslator(QStringLiteral("qtbase_hu"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

} // namespace gyrelune
