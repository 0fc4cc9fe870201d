#pragma once
// A search result as the user will see it: its document opened and drawn at
// the picture size, fitted as Centre fits it, and a thumbnail of it.

#include "core/atrDocument.h"
#include "core/searchSetup.h"
#include "render/pixelBuffer.h"

namespace gyrelune {

struct ResultPictureSize {
    int width = 600, height = 600; // the picture the view is fitted to
    int fitSteps = 107000;         // drawn before Centre: the steps the search saw
    int thumbnailSide = 160;       // the longer side
    int thumbnailSteps = 200000;
};

struct ResultPicture {
    AtrDocument document; // with the fitted view
    PixelBuffer thumbnail;
};

// Throws what opening or drawing the document raises.
ResultPicture drawSearchResult(const SearchSetup& setup, const SearchResult& result,
                               const ResultPictureSize& size);

} // namespace gyrelune
