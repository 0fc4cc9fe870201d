#pragma once
// The rotation window without its widgets: what an angle text does to its
// slider, what the slider writes back, the timer's redraw bookkeeping, and the
// angle that Draw reads from a text.

#include "core/editField.h"
#include "formula/real48.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace gyrelune {

inline constexpr int angleSliderMaximum = 359;

// An angle text's change handling: compileAndMark; if the text compiled,
// its value rounded (ties to even) and brought into 0..359; none otherwise.
std::optional<int> angleSliderTarget(FormulaField& field);

// The text a slider writes into its field: the position as a plain integer.
std::string angleSliderText(int position);

// Draw's reading of an angle text: its leading integer in degrees, converted to
// radians in extended precision and stored. Throws FloatingPointOverflow.
Real48 angleRadians(const std::string& text);

// The rotation window's timer: lastAngleText per row and rotationActive.
class AngleTextWatch {
  public:
    std::array<std::string, 3> lastAngleText{"0", "0", "0"};
    bool rotationActive = false;

    // One tick over the three field texts: while not active, only records them;
    // otherwise runs draw once per changed row (rows 1, 2, 3) while pictureReady.
    void tick(const std::array<std::string, 3>& texts, bool pictureReady,
              const std::function<void()>& draw);
};

// The three rows of the rotation window: a field and a slider each, moving one
// another. The rows use plain fields of their own, or the fields of a window
// whose widgets then only show the model: the window reports typed texts by
// angleTextChanged and moves its sliders when onSliderMoved says so.
class RotationModel {
  public:
    RotationModel();
    explicit RotationModel(const std::array<EditField*, 3>& fields);
    RotationModel(const RotationModel&) = delete;
    RotationModel& operator=(const RotationModel&) = delete;

    EditField& angleField(int row) { return *rows_[std::size_t(row)].field; } // 0: X, 1: Y, 2: Z
    int sliderPosition(int row) const { return rows_[std::size_t(row)].slider; }
    // Moves slider row (clamped to 0..359); an actual move rewrites the field.
    void setSliderPosition(int row, int position);
    // The text of field row changed: an accepted angle moves the slider.
    void angleTextChanged(int row);
    std::array<std::string, 3> angleTexts();

    std::function<void(int row, int position)> onSliderMoved;
    AngleTextWatch watch;

  private:
    struct Row {
        EditField* field = nullptr;
        int slider = 0;
    };
    std::array<PlainEditField, 3> plainFields_{PlainEditField("0"), PlainEditField("0"),
                                               PlainEditField("0")};
    std::array<Row, 3> rows_;
};

} // namespace gyrelune
