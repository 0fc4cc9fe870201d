#pragma once
// A poster of the document as the window draws it, rendered by the studio and
// written to its file: the work behind "Poszter mentése…".

#include "core/backgroundJob.h"
#include "core/posterSettings.h"
#include "render/renderSettings.h"

#include <string>

namespace gyrelune {

struct PosterDocument {
    RenderSettings settings;                   // as the last Draw handed them to the window
    int windowWidth = 576, windowHeight = 551; // the picture they were framed in
};

// Empty when the poster is written, else why not; "stopped" once control.stop was raised.
std::string renderPoster(const PosterDocument& document, const PosterRequest& request,
                         JobControl& control);

} // namespace gyrelune
