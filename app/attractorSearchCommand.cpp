#include "app/attractorSearchCommand.h"

#include "app/mainWindow.h"
#include "formula/widget/formulaLineEdit.h"
#include "windows/commandGuard.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <sstream>

namespace gyrelune {
namespace {

QMenu* toolsMenu(MainWindow& main) {
    for (QAction* item : main.menuBar()->actions())
        if (item->menu() &&
            item->text() == QCoreApplication::translate("gyrelune::MainWindow", "Eszközök"))
            return item->menu();
    return main.menuBar()->addMenu(QCoreApplication::translate("gyrelune::MainWindow", "Eszközök"));
}

// The formulas and intervals a search ran on, as one text.
std::string searchKey(const SearchSettings& settings) {
    std::ostringstream key;
    key << std::hexfloat;
    for (const std::string& formula : settings.formulas)
        key << formula << '\n';
    for (const ParameterRange& p : settings.parameters)
        key << p.name << '\n' << p.minimum.toDouble() << ' ' << p.maximum.toDouble() << '\n';
    return key.str();
}

} // namespace

AttractorSearchCommand::AttractorSearchCommand(MainWindow& main) : main_(main) {
    showMessage = [this](const QString& text) {
        QMessageBox::information(&main_, QApplication::applicationDisplayName(), text);
    };
    action_ = toolsMenu(main)->addAction(tr("Attraktor keresése"), this, [this] { start(); });
}

AttractorSearchCommand::~AttractorSearchCommand() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

// The formula fields' texts and, for each of their parameters, its window's
// interval (a parameter without a window yet has the default one).
bool AttractorSearchCommand::prepare(SearchSettings& settings) {
    Formula formulas[3];
    const MainField fields[3] = {MainField::formulaX, MainField::formulaY, MainField::formulaZ};
    for (int i = 0; i < 3; ++i) {
        bool error;
        formulas[i].text = main_.edit(fields[i])->text().toStdString();
        formulas[i].Compile(error);
        settings.formulas[std::size_t(i)] = formulas[i].text;
    }
    for (const std::string& name : collectParameterNames(formulas[0], formulas[1], formulas[2])) {
        ParameterRange range{name, Real48::fromExtended(-2), Real48::fromExtended(2)};
        if (AbstractParameterWindow* window = main_.parameterList().findWindow(name)) {
            range.minimum = window->minimumField().field().value();
            range.maximum = window->maximumField().field().value();
        }
        settings.parameters.push_back(range);
    }
    return !settings.parameters.empty();
}

void AttractorSearchCommand::start() {
    if (running_) return;
    SearchSettings settings;
    bool found = false;
    runCommand(&main_, [&] { found = prepare(settings); });
    if (!found) {
        if (settings.parameters.empty()) showMessage(tr("A képletekben nincs paraméter."));
        return;
    }
    const std::string key = searchKey(settings);
    if (key != searchedKey_) nextCandidate_ = 0;
    searchedKey_ = key;
    const RenderCore& core = main_.renderCore();
    settings.wanted = 1;
    settings.seed = seed;
    settings.firstCandidate = nextCandidate_;
    settings.timeBudgetSeconds = timeLimitSeconds;
    settings.jobs = std::max(1u, std::thread::hardware_concurrency());
    settings.classifier.fillColumns = core.clientWidth() > 1 ? core.clientWidth() : 600;
    settings.classifier.fillRows = core.clientHeight() > 1 ? core.clientHeight() : 600;
    const RenderSettings& pending = core.pendingSettings;
    settings.classifier.angles = {pending.angleX.toDouble(), pending.angleY.toDouble(),
                                  pending.angleZ.toDouble()};
    settings_ = settings;
    running_ = true;
    worker_ = std::thread([this] {
        const SearchOutcome outcome = runSearch(settings_, &stop_);
        QMetaObject::invokeMethod(
            this, [this, outcome] { finished(outcome); }, Qt::QueuedConnection);
    });
}

void AttractorSearchCommand::finished(const SearchOutcome& outcome) {
    worker_.join();
    running_ = false;
    if (outcome.results.empty()) {
        showMessage(tr("Nem található különös attraktor a paraméterek tartományában."));
        return;
    }
    nextCandidate_ = outcome.results.front().candidate + 1;
    // Formulas edited meanwhile have other parameters: the result is dropped.
    const MainField fields[3] = {MainField::formulaX, MainField::formulaY, MainField::formulaZ};
    for (std::size_t i = 0; i < 3; ++i)
        if (main_.edit(fields[i])->text().toStdString() != settings_.formulas[i]) return;
    runCommand(&main_, [&] { apply(outcome.results.front()); });
}

// As if the user had typed the values: the windows the formulas need, the
// values into their fields and sliders, then Draw.
void AttractorSearchCommand::apply(const SearchResult& result) {
    Formula formulas[3];
    for (std::size_t i = 0; i < 3; ++i) {
        bool error;
        formulas[i].text = settings_.formulas[i];
        formulas[i].Compile(error);
    }
    ParameterList& parameters = main_.parameterList();
    parameters.syncParameterWindows(formulas[0], formulas[1], formulas[2]);
    for (std::size_t i = 0; i < settings_.parameters.size(); ++i)
        if (AbstractParameterWindow* window = parameters.findWindow(settings_.parameters[i].name))
            window->setValueText(result.valueTexts[i]);
    main_.draw();
}

} // namespace gyrelune
