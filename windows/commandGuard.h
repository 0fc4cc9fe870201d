#pragma once
// Commands run behind a guard: an error raised inside one ends that command
// where it stands, and the standard error box shows the platform's message.

#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <new>

class QMessageBox;
class QWidget;

namespace gyrelune {

// The standard error box, wide enough for its caption.
std::unique_ptr<QMessageBox> createErrorBox(QWidget* parent, const QString& message);

// Shows the standard error box ("Floating point overflow" and the like).
void showError(QWidget* parent, const QString& message);

// Where error messages go; the default is QMessageBox::critical. Returns the previous one.
using ErrorPresenter = std::function<void(QWidget* parent, const QString& message)>;
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

template <class Command> void runCommand(QWidget* parent, Command&& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        showError(parent, QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    }
}

} // namespace gyrelune
