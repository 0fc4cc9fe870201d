#pragma once
// What gyrelune-cli search writes for its results: a document and a thumbnail
// per result, the contact sheet and the summary.

#include "core/searchSetup.h"
#include "search/attractorSearch.h"

#include <QImage>

#include <string>
#include <vector>

namespace gyrelune::cli {

struct OutputSettings {
    SearchSetup setup;             // the view of each document is fitted anew
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

// A new hidden folder beside target, for writeAndFinish; an error text when
// target is not an empty folder or the folder cannot be made.
std::string prepareOutput(const std::string& target, std::string& temporary);

// Writes the documents, thumbnails, contact sheet and summary into temporary,
// then renames it to target; an error text when that fails.
std::string writeAndFinish(const OutputSettings& output, const SearchOutcome& outcome,
                           const std::string& temporary, const std::string& target);

} // namespace gyrelune::cli
