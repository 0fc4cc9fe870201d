#pragma once
// "Eszközök" > "Attraktor keresése": searches the parameters of the formulas
// as they stand, within their parameter windows' intervals, from a fresh seed,
// on worker threads while the window and the drawing go on. Results fill the
// "Talált attraktorok" window as they are found; a click applies one (its
// values, Draw, and the view Centre gives it); "Továbbiak" searches on;
// closing the window stops the search.

#include "core/searchResultPicture.h"
#include "core/searchSetup.h"
#include "search/attractorSearch.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

class QAction;

namespace gyrelune {

class FoundAttractorsWindow;
class MainWindow;

class AttractorSearchCommand : public QObject {
    Q_OBJECT
  public:
    // Adds the item as the last of the main window's "Eszközök" menu.
    explicit AttractorSearchCommand(MainWindow& main);
    // Stops a running search and waits for its threads.
    ~AttractorSearchCommand() override;

    QAction* action() const { return action_; }
    // "Eszközök" > "Az ábra mérése": the verdict, exponents and dimensions of
    // the figure Draw handed over last.
    QAction* measureAction() const { return measureAction_; }
    QString measurement();
    FoundAttractorsWindow& window() { return *window_; }
    void start();
    bool running() const { return running_; }
    std::uint64_t seed() const { return settings_.seed; }
    void apply(int index);

    double timeLimitSeconds = 15; // per result, before the search gives up
    int resultsPerRound = 8;      // then "Továbbiak"
    // Shows an information box; tests replace it.
    std::function<void(const QString&)> showMessage;
    std::function<std::uint64_t()> freshSeed;

  private:
    bool prepare();
    void searchOn();
    void stop();
    void found(const SearchResult& result, const ResultPicture& picture);
    void roundDone(std::uint64_t examined, const QString& rejections);

    MainWindow& main_;
    QAction* action_ = nullptr;
    QAction* measureAction_ = nullptr;
    FoundAttractorsWindow* window_ = nullptr;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    SearchSetup setup_;
    SearchSettings settings_;
    ResultPictureSize pictureSize_;
    std::vector<SearchResult> results_;
    std::vector<AtrDocument> documents_; // fitted as Centre fits them
    std::uint64_t examined_ = 0;
};

} // namespace gyrelune
