#pragma once
// "Eszközök" > "Attraktor keresése": searches the parameters of the formulas
// as they stand, within their parameter windows' intervals, on worker threads
// while the window and the drawing go on; a result is written into the
// parameter windows and drawn. Choosing it again gives the next result.

#include "search/attractorSearch.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class QAction;

namespace gyrelune {

class MainWindow;

class AttractorSearchCommand : public QObject {
    Q_OBJECT
  public:
    // Adds the item as the last of the main window's "Eszközök" menu.
    explicit AttractorSearchCommand(MainWindow& main);
    // Stops a running search and waits for its threads.
    ~AttractorSearchCommand() override;

    QAction* action() const { return action_; }
    void start();
    bool running() const { return running_; }

    double timeLimitSeconds = 15;
    static constexpr std::uint64_t seed = 1;
    // Shows an information box; tests replace it.
    std::function<void(const QString&)> showMessage;

  private:
    bool prepare(SearchSettings& settings);
    void finished(const SearchOutcome& outcome);
    void apply(const SearchResult& result);

    MainWindow& main_;
    QAction* action_ = nullptr;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    SearchSettings settings_;
    std::string searchedKey_; // the formulas and intervals the next candidate belongs to
    std::uint64_t nextCandidate_ = 0;
};

} // namespace gyrelune
