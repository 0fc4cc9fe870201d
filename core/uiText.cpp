#include "core/uiText.h"

namespace gyrelune {

namespace {
// Set once at start-up, before any window exists; read on the UI thread only.
Translator installed = nullptr;
} // namespace

void setTranslator(Translator translator) {
    installed = translator;
}

std::string translate(const char* context, const char* text) {
    return installed ? installed(context, text) : std::string(text);
}

} // namespace gyrelune
