#include "core/editField.h"

namespace gyrelune {

void PlainEditField::setText(const std::string& text) {
    if (field_.text == text) return;
    field_.text = text;
    if (onChanged) onChanged();
}

} // namespace gyrelune
