#pragma once
// AboutWindow, the about window.

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace gyrelune {

class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QStringList aboutLines();

    QPlainTextEdit* aboutText = nullptr;

  private:
    void fitFont();
};

} // namespace gyrelune
