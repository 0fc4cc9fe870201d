#pragma once
// Opening a document into the windows: the fields, the colour window's list,
// and the parameter windows, applied as far as the read got.

#include "core/atrDocument.h"
#include "core/editField.h"
#include "core/parameterList.h"
#include "core/sessionWiring.h"

#include <array>
#include <functional>
#include <string>

namespace gyrelune {

// Sets each read line into its window (each text change runs the field's
// handling), then the colours, then replaces the parameter windows. When the
// read stopped early, applies what came before the failure and throws the
// platform's error (InOutError, RangeCheckError); the caller then skips Draw.
// The caller switches rotationActive off before, and sets pictureReady and
// runs Draw after.
void applyOpenedDocument(const ReadResult& read, const SessionWiring& wiring,
                         const std::function<void()>& coloursLoaded);

// Undo and redo: the windows take the settings again (parameter windows of
// the same names keep their places and are only refilled); Draw follows.
void restoreSettings(const AtrDocument& settings, const SessionWiring& wiring);

// What the writer saves: the nine texts, the render thread's colours and the
// live parameter windows.
AtrDocument documentToSave(const SessionWiring& wiring, const ColourStops& pendingColours,
                           std::int32_t pendingBackground);

} // namespace gyrelune
