#include "app/recentDocuments.h"

#include <QSettings>

namespace gyrelune {

namespace {
const QString settingsKey = QStringLiteral("documents/recent");
}

QStringList recentDocuments() {
    return QSettings().value(settingsKey).toStringList();
}

void addRecentDocument(const QString& fileName) {
    QStringList names = recentDocuments();
    names.removeAll(fileName);
    names.prepend(fileName);
    while (names.size() > recentDocumentCount)
        names.removeLast();
    QSettings().setValue(settingsKey, names);
}

void removeRecentDocument(const QString& fileName) {
    QStringList names = recentDocuments();
    names.removeAll(fileName);
    QSettings().setValue(settingsKey, names);
}

} // namespace gyrelune
