#pragma once
// "Talált attraktorok": the search's results as thumbnails, filled in as they
// are found, each labelled with its largest exponent; a click chooses one,
// "Továbbiak" asks for more, closing the window stops the search.

#include <QImage>
#include <QWidget>

#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;

namespace gyrelune {

class FoundAttractorsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FoundAttractorsWindow(QWidget* parent = nullptr);

    // Empties the list for a new search from seed.
    void startSearch(std::uint64_t seed);
    void addResult(const QImage& thumbnail, double exponent);
    // The status line: searching, or how many were examined.
    void showStatus(const QString& text);
    void setSearching(bool searching);
    int resultCount() const;

    QLabel* seedLabel = nullptr;
    QListWidget* results = nullptr;
    QLabel* status = nullptr;
    QPushButton* moreButton = nullptr;

  signals:
    void resultChosen(int index);
    void moreWanted();
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace gyrelune
