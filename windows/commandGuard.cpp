#include "windows/commandGuard.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace gyrelune {

namespace {

void messageBox(QWidget* parent, const QString& message) {
    createErrorBox(parent, message)->exec();
}

ErrorPresenter& presenter() {
    static ErrorPresenter current = messageBox;
    return current;
}

} // namespace

std::unique_ptr<QMessageBox> createErrorBox(QWidget* parent, const QString& message) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, QApplication::applicationDisplayName(),
                                      message, QMessageBox::Ok, parent);
    // The box is as wide as its message, and the window manager cuts a caption
    // wider than the box: keep room for the caption beside the title bar's buttons.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int room = metrics.horizontalAdvance(box->windowTitle()) + 8 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void showError(QWidget* parent, const QString& message) {
    presenter()(parent, message);
}

ErrorPresenter setErrorPresenter(ErrorPresenter replacement) {
    ErrorPresenter previous = std::move(presenter());
    presenter() = std::move(replacement);
    return previous;
}

} // namespace gyrelune
