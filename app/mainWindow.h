#pragma once
// MainWindow, the main window: the three map formulas, the view settings and the
// commands that drive the render thread. The commands' logic is the UI-free
// MainWindowState; this class gives it the widgets, the thread and the timers.

#include "app/language.h"
#include "core/atrDocument.h"
#include "core/mainWindowState.h"
#include "core/settingsHistory.h"
#include "windows/formulaLineEditField.h"
#include "windows/mainCommands.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QLayout;
class QLineEdit;
class QPushButton;
class QTimer;

namespace gyrelune {

class AttractorSearchCommand;
class RenderThread;
class FilmDialog;
class ResolutionDialog;
class HelpWindow;
class AboutWindow;
class ImageWindow;
class FormulaLineEdit;

class PosterDialog;

class MainWindow : public QMainWindow, public MainCommands, private DrawServices {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows made after the main window; set once at start-up.
    struct Windows {
        ResolutionDialog* resolution = nullptr;
        HelpWindow* help = nullptr;
        AboutWindow* about = nullptr;
        ImageWindow* image = nullptr;
    };
    void setWindows(const Windows& windows);
    // All three before the first command (WindowSet plugs them in).
    void setToolWindows(const ToolWindows& tools) { tools_ = tools; }
    const ToolWindows& toolWindows() const { return tools_; }

    // ---- Commands (MainCommands); each shows its own errors.
    void draw() override;
    void centre() override;
    void toggleStop();
    void showRotationWindow() override;
    void savePicture() override;
    // "Poszter mentése…" (mainWindowPoster.cpp).
    void savePoster();
    PosterDialog* posterDialog() const { return posterDialog_; }
    void closeMainWindow();
    void showColourWindow() override;
    void showParameterWindows() override;
    void showResolutionDialog() override;
    void showHelp();
    void showAbout();
    // "Nyelv / Language": kept in the settings for the next start.
    void chooseLanguage(Language language);
    // Documents (mainWindowDocuments.cpp): "Megnyitás", "Mentés", "Mentés másként".
    void openDocument();
    // Opens a named document as "Megnyitás" does once its dialog has answered:
    // read, then Draw. The command line and dropped files come this way.
    void openDocumentNamed(const QString& fileName);
    void saveDocument();
    void saveDocumentAs();
    // Throws InOutError; a failed write leaves the file as it was.
    void writeDocument(const QString& fileName);
    // History and unsaved work (mainWindowHistory.cpp).
    // Start-up, once the windows are wired: the first step, and what counts as saved.
    void startHistory();
    void undo();        // "Visszavonás"
    void redo();        // "Újra"
    void newDocument(); // "Új": the start-up set-up, after the question
    // "Példák" (mainWindowFiles.cpp): an example document shipped in the resources.
    void openExample(const QString& resourceName);
    // "Legutóbbi fájlok": the last documents opened or saved, newest first.
    void fillRecentMenu();
    void openRecentDocument(const QString& fileName);
    // True when the settings may go: unchanged, saved, or the user said so.
    bool mayDiscardSettings();
    bool settingsChangedSinceSaved();
    // Asks "A beállítások megváltoztak. ..." and gives the button chosen;
    // tests answer it themselves.
    using SaveQuestion = std::function<int(QWidget* parent)>;
    static SaveQuestion setSaveQuestion(SaveQuestion question);
    const SettingsHistory& history() const { return history_; }
    // A mouse gesture: its redraws make one step, recorded at its end.
    void beginGesture() override;
    void endGesture() override;
    ViewPlace viewPlace() override;
    void showViewPlace(const ViewPlace& view) override;
    std::array<int, 3> angles() override;
    void turnTo(const std::array<int, 3>& angles) override;
    void showMainWindow() override;
    void requestRestart() override;
    bool pictureReady() const override { return state_->pictureReady; }
    void setPictureReady() override { state_->pictureReady = true; }
    long double publishedZMax() const override;
    long double publishedZMin() const override;
    RenderCore& renderCore() override;
    ParameterList& parameterList() override { return *parameterList_; }
    QWidget* mainWindow() override { return this; }

    void showPointsPerSecond();
    void refreshStatusLine();
    void updateStatusLine();
    void handleKey(int key);

    // The render thread; ended in order by stopForClosing or the destructor.
    RenderThread& renderThread() { return *thread_; }
    const MainWindowState& state() const { return *state_; }
    // "Eszközök" > "Attraktor keresése".
    AttractorSearchCommand& attractorSearch() { return *attractorSearch_; }
    // "Fájl" > "Film mentése…", made when first shown.
    FilmDialog& filmDialog();
    void showFilmDialog();

    // ---- Controls.
    // What "Mentés" writes: the fields, rotation, colours and parameter windows.
    AtrDocument currentDocument();
    FormulaLineEdit* edit(MainField field) const { return edits_[std::size_t(field)]; }
    QPushButton* drawButton = nullptr;
    QPushButton* centreButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* rotateButton = nullptr;
    QLineEdit* statusLine = nullptr;
    QTimer* pointsPerSecondTimer = nullptr;
    QTimer* statusLineTimer = nullptr;
    QAction* newAction = nullptr;         // "Új"
    QAction* openAction = nullptr;        // "Megnyitás"
    QMenu* examplesMenu = nullptr;        // "Példák"
    QMenu* recentMenu = nullptr;          // "Legutóbbi fájlok"
    QAction* saveAction = nullptr;        // "Mentés"
    QAction* saveAsAction = nullptr;      // "Mentés másként"
    QAction* savePictureAction = nullptr; // "Kép mentése"
    QAction* savePosterAction = nullptr;  // "Poszter mentése…"
    QAction* saveFilmAction = nullptr;    // "Film mentése…"
    QAction* closeAction = nullptr;       // "Bezárás"
    QAction* undoAction = nullptr;        // "Visszavonás"
    QAction* redoAction = nullptr;        // "Újra"
    QAction* coloursAction = nullptr;     // "Színek"
    QAction* parametersAction = nullptr;  // "Paraméterek"
    QAction* resolutionAction = nullptr;  // "Felbontás"
    QAction* helpAction = nullptr;        // "használat"
    QAction* aboutAction = nullptr;       // "a készítőről"
    QAction* hungarianAction = nullptr;   // "Nyelv / Language" > "Magyar"
    QAction* englishAction = nullptr;     // "Nyelv / Language" > "English"

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    QLayout* createButtons(QWidget* client);
    void createTimers();
    void createMenu();
    void createLanguageMenu(QMenu* help);
    void fillExamplesMenu();
    void rememberRecentDocument(const QString& fileName);
    void initialise();
    void stopForClosing();
    void showSaveFailure(const QString& fileName, const QString& reason);
    SessionWiring wiring();
    SessionWiring fieldsWiring(); // the seven main fields and the parameter list only
    std::unique_ptr<AbstractParameterWindow> newParameterWindow();
    void loadDocument(const QString& fileName);
    // Reads and draws, without the question.
    void openDocumentFile(const QString& fileName);
    void showDocumentName(const QString& fileName);
    AtrDocument currentSettings();
    void markSettingsSaved();
    void recordStep();
    void restore(const AtrDocument& settings);
    void updateHistoryActions();

    // DrawServices.
    RenderCore& core() override;
    int imageClientWidth() const override;
    int imageClientHeight() const override;
    void resumeThread() override;
    void suspendThread() override;
    bool threadSuspended() const override;
    void setPointsPerSecondTimerEnabled(bool enabled) override;

    std::array<FormulaLineEdit*, mainFieldCount> edits_{};
    std::array<std::unique_ptr<FormulaLineEditField>, mainFieldCount> fields_;
    std::unique_ptr<RenderThread> thread_;
    std::unique_ptr<ParameterList> parameterList_;
    std::unique_ptr<MainWindowState> state_;
    Windows windows_;
    PosterDialog* posterDialog_ = nullptr; // made on first use
    ToolWindows tools_;
    bool closed_ = false;
    SettingsHistory history_;
    AtrDocument savedSettings_;
    bool gestureRunning_ = false;
    bool restoring_ = false;

    // Last, so that its threads end before anything they were started from goes.
    std::unique_ptr<AttractorSearchCommand> attractorSearch_;
    std::unique_ptr<FilmDialog> filmDialog_;
};

} // namespace gyrelune
