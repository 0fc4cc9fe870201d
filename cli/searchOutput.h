#pragma once
// What gyrelune-cli search writes for its results: a document and a thumbnail
// per result, the contact sheet and the summary.

#include "core/atrDocument.h"
#include "search/attractorSearch.h"

#include <QImage>

#include <string>
#include <vector>

namespace gyrelune::cli {

struct SearchParameter {
    std::string name, minimumText, maximumText;
};

struct OutputSettings {
    AtrDocument base; // formulas, colours and rotation; view and parameters are replaced
    std::vector<SearchParameter> parameters;
    int width = 600, height = 600; // the picture the view is fitted to
    unsigned jobs = 1;
    int fitSteps = 100000; // drawn before Centre: the steps the search's fill measure saw
};

// The file name of result number (from 1): attractor-001.atr and so on.
std::string resultName(std::size_t number, const char* ending);

// Writes the documents and thumbnails of the ranked results into directory and
// returns the thumbnails. Throws what a write raises.
std::vector<QImage> writeResults(const OutputSettings& settings,
                                 const std::vector<SearchResult>& results,
                                 const std::string& directory);

// A grid of the thumbnails, each labelled with its number and exponent.
QImage contactSheet(const std::vector<QImage>& thumbnails,
                    const std::vector<SearchResult>& results);

// file, the three exponents (-inf for a collapsed direction), the Kaplan-Yorke and
// correlation dimensions, fill, one column per parameter, candidate.
std::string summaryCsv(const OutputSettings& settings, const std::vector<SearchResult>& results);

} // namespace gyrelune::cli
