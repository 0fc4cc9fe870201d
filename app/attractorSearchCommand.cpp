#include "app/attractorSearchCommand.h"

#include "app/mainWindow.h"
#include "core/figureMeasurement.h"
#include "render/pictureFile.h"
#include "windows/commandGuard.h"
#include "windows/formulaLineEdit.h"
#include "windows/foundAttractorsWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <cmath>
#include <random>

namespace gyrelune {
namespace {

QMenu* toolsMenu(MainWindow& main) {
    for (QAction* item : main.menuBar()->actions())
        if (item->menu() &&
            item->text() == QCoreApplication::translate("gyrelune::MainWindow", "Eszközök"))
            return item->menu();
    return main.menuBar()->addMenu(QCoreApplication::translate("gyrelune::MainWindow", "Eszközök"));
}

constexpr MainField formulaFields[3] = {MainField::formulaX, MainField::formulaY,
                                        MainField::formulaZ};

} // namespace

AttractorSearchCommand::AttractorSearchCommand(MainWindow& main) : main_(main) {
    showMessage = [this](const QString& text) {
        QMessageBox::information(&main_, QApplication::applicationDisplayName(), text);
    };
    freshSeed = [] { return std::uint64_t(std::random_device{}()); };
    action_ = toolsMenu(main)->addAction(tr("Attraktor keresése"), this, [this] { start(); });
    measureAction_ = toolsMenu(main)->addAction(tr("Az ábra mérése"), this, [this] {
        QString text;
        runCommand(&main_, [&] { text = measurement(); });
        if (!text.isEmpty()) showMessage(text);
    });
    window_ = new FoundAttractorsWindow(&main);
    connect(window_, &FoundAttractorsWindow::resultChosen, this,
            [this](int index) { runCommand(&main_, [&] { apply(index); }); });
    connect(window_, &FoundAttractorsWindow::moreWanted, this, [this] { searchOn(); });
    connect(window_, &FoundAttractorsWindow::closed, this, [this] { stop(); });
}

AttractorSearchCommand::~AttractorSearchCommand() {
    stop();
}

// The formulas, view, rotation and parameter windows as a document: the
// intervals are the windows' (a parameter without a window gets a new one's).
bool AttractorSearchCommand::prepare() {
    setup_ = {};
    SearchSetup setup;
    setup.base = main_.currentDocument();
    if (const std::string error = collectParameters(setup); !error.empty()) {
        if (error.find("malformed") == std::string::npos) return false; // no parameters
        throw std::runtime_error(error);
    }
    SearchSettings settings;
    if (const std::string error = searchSettings(setup, settings); !error.empty())
        throw std::runtime_error(error);
    setup_ = setup;
    settings_ = settings;
    return true;
}

void AttractorSearchCommand::start() {
    stop();
    bool prepared = false;
    runCommand(&main_, [&] { prepared = prepare(); });
    if (!prepared) {
        if (setup_.parameters.empty()) showMessage(tr("A képletekben nincs paraméter."));
        return;
    }
    settings_.seed = freshSeed();
    settings_.timeBudgetSeconds = timeLimitSeconds;
    settings_.wanted = 1;
    settings_.firstCandidate = 0;
    settings_.jobs = std::max(1u, std::thread::hardware_concurrency());
    const RenderCore& core = main_.renderCore();
    pictureSize_.width = core.clientWidth() > 1 ? core.clientWidth() : 600;
    pictureSize_.height = core.clientHeight() > 1 ? core.clientHeight() : 600;
    const ClassifierSettings& c = settings_.classifier;
    pictureSize_.fitSteps = c.transientSteps + c.measuredSteps + c.confirmationSteps;
    pictureSize_.thumbnailSteps = 100000;
    results_.clear();
    documents_.clear();
    examined_ = 0;
    window_->startSearch(settings_.seed);
    window_->show();
    window_->raise();
    searchOn();
}

// One round on the worker: results one at a time, in candidate order, so the
// seed finds them again; each drawn before it is shown.
void AttractorSearchCommand::searchOn() {
    if (running_) return;
    if (worker_.joinable()) worker_.join();
    stop_ = false;
    running_ = true;
    window_->setSearching(true);
    window_->showStatus(tr("Keresés…"));
    worker_ = std::thread([this, settings = settings_, setup = setup_, size = pictureSize_,
                           rounds = resultsPerRound]() mutable {
        std::uint64_t examined = 0;
        SearchOutcome outcome;
        for (int i = 0; i < rounds && !stop_; ++i) {
            outcome = runSearch(settings, &stop_);
            examined += outcome.examined;
            if (outcome.results.empty() || stop_) break;
            const SearchResult result = outcome.results.front();
            settings.firstCandidate = result.candidate + 1;
            ResultPicture picture;
            try {
                picture = drawSearchResult(setup, result, size);
            } catch (const std::exception&) {
                continue; // the render thread drops such errors too
            }
            QMetaObject::invokeMethod(
                this, [this, result, picture] { found(result, picture); }, Qt::QueuedConnection);
        }
        const QString rejections = QString::fromStdString(rejectionSummary(outcome));
        QMetaObject::invokeMethod(
            this, [this, examined, rejections] { roundDone(examined, rejections); },
            Qt::QueuedConnection);
    });
}

void AttractorSearchCommand::stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    running_ = false;
}

void AttractorSearchCommand::found(const SearchResult& result, const ResultPicture& picture) {
    if (!running_) return;
    results_.push_back(result);
    documents_.push_back(picture.document);
    settings_.firstCandidate = result.candidate + 1;
    window_->addResult(imageView(picture.thumbnail), result.exponents[0]);
}

void AttractorSearchCommand::roundDone(std::uint64_t examined, const QString& rejections) {
    if (worker_.joinable()) worker_.join();
    if (!running_) return;
    running_ = false;
    examined_ += examined;
    window_->setSearching(false);
    window_->showStatus(tr("%1 jelölt, %2 attraktor").arg(examined_).arg(results_.size()));
    window_->setToolTip(rejections);
    if (results_.empty())
        showMessage(tr("Nem található különös attraktor a paraméterek tartományában."));
}

QString AttractorSearchCommand::measurement() {
    InspectionSettings settings;
    settings.steps = 200000;
    settings.samplePoints = 2000;
    const Inspection orbit = inspectFigure(main_.renderCore().submitted(), {1, 1, 1}, settings);
    const QString verdicts[] = {tr("elszökik"),         tr("fixpont"),  tr("ciklus"),
                                tr("kváziperiodikus"),  tr("kaotikus"), tr("hiperkaotikus"),
                                tr("hibás kiértékelés")};
    QString verdict = verdicts[std::size_t(orbit.behaviour)];
    if (orbit.period > 1) verdict += tr(" (periódus: %1)").arg(orbit.period);
    const auto number = [](double value) {
        return std::isfinite(value) ? QString::number(value, 'f', 4) : QStringLiteral("−∞");
    };
    return tr("Ítélet: %1\nLjapunov-kitevők: %2  %3  %4\nKaplan–Yorke-dimenzió: %5\n"
              "Korrelációs dimenzió: %6")
        .arg(verdict, number(orbit.lyapunov[0]), number(orbit.lyapunov[1]),
             number(orbit.lyapunov[2]), number(orbit.kaplanYorke),
             number(orbit.correlationDimension));
}

// As if the user had typed the set: its formulas, its values into the
// parameter windows, the view Centre fitted it to, then Draw.
void AttractorSearchCommand::apply(int index) {
    if (index < 0 || std::size_t(index) >= results_.size()) return;
    const AtrDocument& document = documents_[std::size_t(index)];
    for (std::size_t i = 0; i < 3; ++i)
        main_.edit(formulaFields[i])->setText(QString::fromStdString(document.texts[i]));
    const MainField view[3] = {MainField::zoom, MainField::centreX, MainField::centreY};
    for (std::size_t i = 0; i < 3; ++i)
        main_.edit(view[i])->setText(QString::fromStdString(document.texts[3 + i]));
    Formula formulas[3];
    for (std::size_t i = 0; i < 3; ++i)
        (void)formulas[i].compile(document.texts[i]); // names only
    ParameterList& parameters = main_.parameterList();
    parameters.syncParameterWindows(formulas[0], formulas[1], formulas[2]);
    for (const StoredParameter& stored : document.parameters)
        if (AbstractParameterWindow* window = parameters.findWindow(stored.name))
            window->setValueText(stored.valueText);
    main_.draw();
}

} // namespace gyrelune
