#pragma once
// The recent documents list ("Legutóbbi fájlok"), kept in the settings: the
// last eight documents opened or saved, newest first, each once.

#include <QStringList>

namespace gyrelune {

inline constexpr int recentDocumentCount = 8;

QStringList recentDocuments();
// Puts the name first, dropping an older entry of it and the ninth.
void addRecentDocument(const QString& fileName);
void removeRecentDocument(const QString& fileName);

} // namespace gyrelune
