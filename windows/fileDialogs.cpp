#include "windows/fileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStyle>

#include <utility>

namespace gyrelune {

namespace {

// "JPG képfájl (*.jpg)" -> "jpg"; empty when the filter has no single extension.
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString runDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    NameOnlyIconProvider icons; // outlives the dialog
    QFileDialog dialog(parent);
    keepListingsResponsive(dialog, icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.defaultSuffix.isEmpty()) {
        // A name typed without an extension takes the one of the chosen filter.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &request](const QString& filter) {
                             const QString suffix = suffixOfFilter(filter);
                             dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix
                                                                      : suffix);
                         });
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString saveDialog(QWidget* parent, const FileDialogRequest& request) {
    return runDialog(parent, request, QFileDialog::AcceptSave);
}

QString openDialog(QWidget* parent, const FileDialogRequest& request) {
    return runDialog(parent, request, QFileDialog::AcceptOpen);
}

FileDialog& currentSave() {
    static FileDialog dialog = saveDialog;
    return dialog;
}

FileDialog& currentOpen() {
    static FileDialog dialog = openDialog;
    return dialog;
}

} // namespace

QIcon NameOnlyIconProvider::icon(IconType type) const {
    const QStyle* style = QApplication::style();
    switch (type) {
    case Folder:
        return style->standardIcon(QStyle::SP_DirIcon);
    case Drive:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case Computer:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    case Trashcan:
        return style->standardIcon(QStyle::SP_TrashIcon);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir()) return QCoreApplication::translate("gyrelune::FileDialogs", "Mappa");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QCoreApplication::translate("gyrelune::FileDialogs", "Fájl")
                            : QCoreApplication::translate("gyrelune::FileDialogs", "%1 fájl")
                                  .arg(suffix.toUpper());
}

void keepListingsResponsive(QFileDialog& dialog, NameOnlyIconProvider& icons) {
    // A native dialog would list with its own provider.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    icons.setOptions(QAbstractFileIconProvider::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&icons);
}

QString askSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return currentSave()(parent, request);
}

QString askOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return currentOpen()(parent, request);
}

FileDialog setSaveFileDialog(FileDialog dialog) {
    return std::exchange(currentSave(), dialog);
}

FileDialog setOpenFileDialog(FileDialog dialog) {
    return std::exchange(currentOpen(), dialog);
}

} // namespace gyrelune
