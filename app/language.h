#pragma once
// The interface's language: Hungarian, the program's own, or English. The
// choice made in "Súgó" > "Nyelv / Language" is kept in the settings and
// takes effect at the next start; --language chooses for one run.

#include <QString>

namespace gyrelune {

enum class Language { hungarian, english };

// "hu" or "en"; false for anything else.
bool languageFromCode(const QString& code, Language& language);
QString languageCode(Language language);

// The language kept in the settings; Hungarian when none was chosen.
Language savedLanguage();
void saveLanguage(Language language);

// Installs the program's texts and Qt's own (standard dialogs, message boxes)
// in the language, and the matching default locale. Call once, before any
// window is made.
void installLanguage(Language language);
// The language installed for this run (Hungarian until one is).
Language installedLanguage();

} // namespace gyrelune
