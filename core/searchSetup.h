#pragma once
// What a search runs on, the same for gyrelune-cli search and the window's
// search: the formulas with their parameters' intervals (from a document, the
// parameter windows or invented maps), turned into the search's settings; and
// the document a result becomes.

#include "core/atrDocument.h"
#include "search/attractorSearch.h"
#include "search/polynomialMap.h"

#include <optional>
#include <string>
#include <vector>

namespace gyrelune {

struct SearchParameter {
    std::string name, minimumText, maximumText;
};

struct SearchSetup {
    AtrDocument base; // formulas, view, colours and rotation; parameters as the document has them
    std::vector<SearchParameter> parameters;
    std::optional<PolynomialMap> invented;
    bool coefficientsAsParameters = false; // an invented map's results keep k1, k2, ...
};

// The set-up the program starts with, as a document.
AtrDocument startUpDocument();

// Each parameter of base's formulas with the document's interval, or the one
// a new parameter window gets. An error text when a formula is malformed or
// there is no parameter.
std::string collectParameters(SearchSetup& setup);

// Invented maps: the formulas with coefficients k1, k2, ..., each searched in
// -range to range.
void inventMaps(SearchSetup& setup, const PolynomialMap& map, const std::string& rangeText,
                bool asParameters);

// NAME=MIN:MAX texts replacing intervals; an error text for a bad, impossible or
// unknown one.
std::string applyIntervals(const std::vector<std::string>& intervals, SearchSetup& setup);

// The formulas, the intervals' values (read as a parameter window reads them)
// and the document's rotation; an error text for an impossible interval.
std::string searchSettings(const SearchSetup& setup, SearchSettings& settings);

// base with the result's values in its parameters, or, for an invented map
// without parameters, in its formulas.
AtrDocument resultDocument(const SearchSetup& setup, const SearchResult& result);

} // namespace gyrelune
