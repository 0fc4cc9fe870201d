#include "windows/commandGuard.h"

#include <QApplication>
#include <QMessageBox>

namespace gyrelune {

namespace {

void messageBox(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
}

ErrorPresenter& presenter() {
    static ErrorPresenter current = messageBox;
    return current;
}

} // namespace

void showError(QWidget* parent, const QString& message) {
    presenter()(parent, message);
}

ErrorPresenter setErrorPresenter(ErrorPresenter replacement) {
    ErrorPresenter previous = std::move(presenter());
    presenter() = std::move(replacement);
    return previous;
}

} // namespace gyrelune
