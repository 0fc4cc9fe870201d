#pragma once
// TForm6, the help window: the user guide, read-only.

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace gyrelune {

class TForm6 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm6(QWidget* parent = nullptr);

    static QStringList helpLines();

    QPlainTextEdit* Memo2 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace gyrelune
