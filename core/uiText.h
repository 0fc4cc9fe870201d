#pragma once
// Texts the core shows the user (captions, read-outs) pass through
// translate(), so that the windows show them in the interface's language. The
// core has no Qt: the application installs the translator; without one the
// texts stay as written.

#include <string>

namespace gyrelune {

using Translator = std::string (*)(const char* context, const char* text);

void setTranslator(Translator translator);
std::string translate(const char* context, const char* text);

} // namespace gyrelune
