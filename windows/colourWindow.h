#pragma once
// ColourWindow, the colour window: the depth colour stops (Zmin first, Zmax last)
// and the background, edited through swatches and the colour chooser, with a
// strip that previews the gradient over the published Z range.

#include "formula/real48.h"
#include "windows/mainCommands.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace gyrelune {

class PictureBox;

class ColourWindow : public QWidget, public AbstractColourWindow {
    Q_OBJECT
  public:
    // Hidden at (505, 220), with the default stops over black.
    ColourWindow(MainCommands& main, QWidget* parent);

    // ---- AbstractColourWindow.
    ColourStops& colourStops() override { return colourStops_; }
    std::int32_t& background() override { return background_; }
    void repaintSwatches() override;
    QWidget* widget() override { return this; }

    // The strip's colour at a depth over the published Z range.
    std::int32_t colourAtDepth(Real48 z) const;

    // The colour chooser: opens with `initial`, gives the chosen colour or none
    // when cancelled. Replaceable (tests).
    using ColourDialog = std::function<std::optional<QColor>(QWidget* parent, QColor initial)>;
    void setColourDialog(ColourDialog dialog) { colourDialog_ = std::move(dialog); }
    // The colour the chooser holds: what it opens with unless preset.
    QColor colourDialogColour() const { return dialogColour_; }

    // ---- Handlers.
    void chooseZMinColour();       // Zmin
    void chooseZMaxColour();       // Zmax
    void chooseBackgroundColour(); // background
    void addStop();                // "Új"
    void applyColours();           // "OK"
    void dropStop();               // "Eldob"

    // ---- Controls.
    PictureBox* zMinSwatch = nullptr;       // Zmin swatch
    PictureBox* zMaxSwatch = nullptr;       // Zmax swatch
    PictureBox* gradientStrip = nullptr;    // gradient strip
    PictureBox* backgroundSwatch = nullptr; // background swatch
    QPushButton* addStopButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* dropStopButton = nullptr;

    static constexpr int clientWidth = 329;
    static constexpr int clientHeight = 89;
    static constexpr int initialLeft = 505;
    static constexpr int initialTop = 220;

  private:
    void createControls();
    // Runs the chooser; a confirmed colour is kept as the chooser's colour.
    std::optional<std::int32_t> chooseColour();
    void paintStrip();

    MainCommands& main_;
    ColourStops colourStops_;
    std::int32_t background_ = 0;
    QColor dialogColour_ = Qt::black;
    ColourDialog colourDialog_;
};

} // namespace gyrelune
