#include "core/rotationModel.h"

#include "formula/leadingInteger.h"

#include <cmath>

namespace gyrelune {

std::optional<int> angleSliderTarget(FormulaField& field) {
    if (!field.compileAndMark().wellFormed()) return std::nullopt;
    // The remainder of the rounded value, taken in floating point so that any
    // magnitude the field can hold gives its exact remainder.
    long double angle = std::fmod(std::nearbyint(field.evaluate()), 360.0L);
    if (angle < 0) angle += 360;
    return int(angle);
}

std::string angleSliderText(int position) {
    return std::to_string(position);
}

Real48 angleRadians(const std::string& text) {
    constexpr long double pi = 3.14159265358979323846264338327950288L;
    const long double degrees = leadingInteger(text);
    return Real48::fromExtended(degrees / 180 * pi);
}

void AngleTextWatch::tick(const std::array<std::string, 3>& texts, bool pictureReady,
                          const std::function<void()>& draw) {
    if (!rotationActive) {
        lastAngleText = texts;
        return;
    }
    for (std::size_t row = 0; row < texts.size(); ++row) {
        if (texts[row] == lastAngleText[row] || !pictureReady) continue;
        lastAngleText[row] = texts[row];
        draw();
    }
}

RotationModel::RotationModel() {
    for (int row = 0; row < 3; ++row) {
        PlainEditField& field = plainFields_[std::size_t(row)];
        field.onChanged = [this, row] { angleTextChanged(row); };
        rows_[std::size_t(row)].field = &field;
    }
}

RotationModel::RotationModel(const std::array<EditField*, 3>& fields) {
    for (std::size_t row = 0; row < 3; ++row)
        rows_[row].field = fields[row];
}

void RotationModel::setSliderPosition(int row, int position) {
    if (position < 0) position = 0;
    if (position > angleSliderMaximum) position = angleSliderMaximum;
    Row& r = rows_[std::size_t(row)];
    if (r.slider == position) return;
    r.slider = position;
    if (onSliderMoved) onSliderMoved(row, position);
    r.field->setText(angleSliderText(position));
}

std::array<std::string, 3> RotationModel::angleTexts() {
    return {rows_[0].field->text(), rows_[1].field->text(), rows_[2].field->text()};
}

void RotationModel::angleTextChanged(int row) {
    if (const auto angle = angleSliderTarget(rows_[std::size_t(row)].field->field()))
        setSliderPosition(row, *angle);
}

} // namespace gyrelune
