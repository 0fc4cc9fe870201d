#pragma once
// HelpWindow, the help window: the user guide, read-only.

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace gyrelune {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    static QStringList helpLines();

    QPlainTextEdit* helpText = nullptr;
};

} // namespace gyrelune
