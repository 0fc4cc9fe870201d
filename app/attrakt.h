#pragma once
// TForm1, the main window: the three map formulas, the view settings and the
// commands that drive the render thread. The commands' logic is the UI-free
// MainWindowState; this class gives it the widgets, the thread and the timers.

#include "drawCommand.h"
#include "mainCommands.h"
#include "strFunctField.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QPushButton;
class QTimer;

namespace gyrelune {

class KeyPreview;
class TattrSzal;
class TForm5;
class TForm6;
class TForm7;
class TForm9;
class TstrFunct;

class TForm1 : public QMainWindow, public MainCommands, private DrawServices {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows made after the main window; set once at start-up.
    struct Windows {
        TForm5* resolution = nullptr;
        TForm6* help = nullptr;
        TForm7* about = nullptr;
        TForm9* image = nullptr;
    };
    void setWindows(const Windows& windows);
    void setToolWindows(const ToolWindows& tools) { tools_ = tools; }

    // ---- Commands (MainCommands); each shows its own errors.
    void BitBtn1Click() override;
    void Button1Click() override;
    void Button2Click();
    void Button3Click() override;
    void Bezrs1Click() override;
    void Bezrs2Click();
    void Sznezs1Click() override;
    void Konstansok1Click() override;
    void N3Dbellts1Click() override;
    void Kezels1Click();
    void Kszt1Click();
    // Documents (documentCommands.cpp): "Megnyitás", "Mentés", "Mentés másként".
    void Ments1Click();
    void Mentsmsknt1Click();
    void Mentsmsknt2Click();
    // Throws InOutError; a failed write leaves the file as it was.
    void WriteDocument(const QString& fileName);
    void showMainWindow() override;
    void RequestRestart() override;
    bool pictureReady() const override { return state_->pictureReady; }
    void setPictureReady() override { state_->pictureReady = true; }
    long double GetZMax() const override;
    long double GetZMin() const override;
    RenderCore& renderCore() override;
    ParameterList& parameterList() override { return *parameterList_; }
    QWidget* mainWindow() override { return this; }

    void Timer1Timer();
    void Timer2Timer();
    void UpdateStatusLine();
    void FormKeyDown(int key);

    // The render thread; ended in order by FormClose or the destructor.
    TattrSzal& renderThread() { return *thread_; }
    const MainWindowState& state() const { return *state_; }

    // ---- Controls.
    std::array<TstrFunct*, 7> strFunct{}; // strFunct1 .. strFunct7
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QAction* Ments1 = nullptr;      // "Megnyitás"
    QAction* Mentsmsknt1 = nullptr; // "Mentés"
    QAction* Mentsmsknt2 = nullptr; // "Mentés másként"
    QAction* Bezrs1 = nullptr;      // "Kép mentése"
    QAction* Bezrs2 = nullptr;      // "Bezárás"
    QAction* Sznezs1 = nullptr;     // "Színek"
    QAction* Konstansok1 = nullptr; // "Paraméterek"
    QAction* N3Dbellts1 = nullptr;  // "Felbontás"
    QAction* Kezels1 = nullptr;     // "használat"
    QAction* Kszt1 = nullptr;       // "a készítőről"

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenu();
    void FormCreate();
    void FormClose();
    void showSaveFailure(const QString& fileName, const QString& reason);
    DrawSources sources();
    std::unique_ptr<ParameterWindow> newParameterWindow();
    void openDocument(const QString& fileName);
    std::array<EditField*, 6> documentFields();
    void showDocumentName(const QString& fileName);

    // DrawServices.
    RenderCore& core() override;
    int imageClientWidth() const override;
    int imageClientHeight() const override;
    void setThreadPriorityNormal() override;
    void resumeThread() override;
    void suspendThread() override;
    bool threadSuspended() const override;
    void setTimer1Enabled(bool enabled) override;

    std::array<std::unique_ptr<TstrFunctField>, 7> fields_;
    std::unique_ptr<TattrSzal> thread_;
    std::unique_ptr<ParameterList> parameterList_;
    std::unique_ptr<MainWindowState> state_;
    Windows windows_;
    ToolWindows tools_;
    KeyPreview* keyPreview_ = nullptr;
    bool closed_ = false;

    // Stand-ins while the rotation and colour windows are not plugged in.
    std::array<PlainEditField, 3> defaultAngles_{PlainEditField("0"), PlainEditField("0"),
                                                 PlainEditField("0")};
    ColourStops defaultStops_ = defaultColourStops();
    std::int32_t defaultBackground_ = 0;
};

} // namespace gyrelune
