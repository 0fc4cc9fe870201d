#pragma once
// TForm7, the about window.

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace gyrelune {

class TForm7 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm7(QWidget* parent = nullptr);

    static QStringList aboutLines();

    QPlainTextEdit* Memo1 = nullptr;

  private:
    void fitFont();
};

} // namespace gyrelune
