#pragma once
// The open and save file dialogs, behind a seam so that tests can answer them.

#include <QAbstractFileIconProvider>
#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;
class QWidget;

namespace gyrelune {

struct FileDialogRequest {
    QStringList filters;   // "JPG képfájl (*.jpg)", ...
    QString defaultSuffix; // appended to a name typed without one; empty: none
};

// The chosen file name, or an empty text when the user cancelled.
QString askSaveFileName(QWidget* parent, const FileDialogRequest& request);
QString askOpenFileName(QWidget* parent, const FileDialogRequest& request);

// Icons and type names from the name alone. The standard provider reads each
// listed file to find its type, on the UI thread, and a file that blocks a
// reader (/proc/kmsg, a named pipe) then freezes the program.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
  public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

// The dialogs list through this provider, which must outlive the dialog.
void keepListingsResponsive(QFileDialog& dialog, NameOnlyIconProvider& icons);

using FileDialog = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;
// Replace the dialogs (tests); each returns the previous one.
FileDialog setSaveFileDialog(FileDialog dialog);
FileDialog setOpenFileDialog(FileDialog dialog);

} // namespace gyrelune
