#pragma once
// AboutWindow, the about window.

#include <QStringList>
#include <QWidget>

class QLabel;

namespace gyrelune {

class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QStringList aboutLines();

    QLabel* aboutText = nullptr; // in the font of every other window
};

} // namespace gyrelune
