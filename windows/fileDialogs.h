#pragma once
// The open and save file dialogs, behind a seam so that tests can answer them.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace gyrelune {

struct FileDialogRequest {
    QStringList filters;   // "JPG képfájl (*.jpg)", ...
    QString defaultSuffix; // appended to a name typed without one; empty: none
};

// The chosen file name, or an empty text when the user cancelled.
QString askSaveFileName(QWidget* parent, const FileDialogRequest& request);
QString askOpenFileName(QWidget* parent, const FileDialogRequest& request);

using FileDialog = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;
// Replace the dialogs (tests); each returns the previous one.
FileDialog setSaveFileDialog(FileDialog dialog);
FileDialog setOpenFileDialog(FileDialog dialog);

} // namespace gyrelune
