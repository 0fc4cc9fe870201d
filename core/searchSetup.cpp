#include "core/searchSetup.h"

#include "core/abstractParameterWindow.h"
#include "core/documentOpen.h"
#include "core/headlessSession.h"
#include "core/parameterList.h"
#include "core/rotationModel.h"
#include "formula/formulaField.h"
#include "formula/nonFinite.h"

#include <algorithm>

namespace gyrelune {
namespace {

// An interval end's value, as a parameter window's field reads its text.
bool intervalValue(const std::string& text, Real48& value) {
    FormulaField field(text);
    if (text.empty() || !field.compileAndMark().wellFormed() || spellsNonFinite(text)) return false;
    try {
        value = field.value();
    } catch (const FloatingPointOverflow&) {
        return false;
    }
    return true;
}

std::string checkedRange(const SearchParameter& p, ParameterRange& range) {
    range = {p.name, {}, {}};
    if (!intervalValue(p.minimumText, range.minimum) ||
        !intervalValue(p.maximumText, range.maximum))
        return "the interval of '" + p.name + "' (" + p.minimumText + " to " + p.maximumText +
               ") is not a pair of finite numbers";
    if (range.minimum.toDouble() > range.maximum.toDouble())
        return "the interval of '" + p.name + "' has its minimum " + p.minimumText +
               " above its maximum " + p.maximumText;
    return {};
}

} // namespace

AtrDocument startUpDocument() {
    HeadlessSession session;
    return documentToSave(session.wiring(), session.colourStops, session.background);
}

std::string collectParameters(SearchSetup& setup) {
    Formula formulas[3];
    const char* const axes[3] = {"X", "Y", "Z"};
    for (std::size_t i = 0; i < 3; ++i) {
        if (setup.base.texts[i].size() > maximumFormulaLength)
            return std::string("the ") + axes[i] + " new formula is longer than " +
                   std::to_string(maximumFormulaLength) + " characters";
        if (!formulas[i].compile(setup.base.texts[i]).wellFormed())
            return std::string("the ") + axes[i] + " new formula '" + formulas[i].text +
                   "' is malformed";
    }
    setup.parameters.clear();
    for (const std::string& name : collectParameterNames(formulas[0], formulas[1], formulas[2])) {
        SearchParameter parameter{name, AbstractParameterWindow::initialMinimumText,
                                  AbstractParameterWindow::initialMaximumText};
        for (const StoredParameter& stored : setup.base.parameters)
            if (stored.name == name) {
                parameter.minimumText = stored.minimumText;
                parameter.maximumText = stored.maximumText;
            }
        setup.parameters.push_back(parameter);
    }
    return setup.parameters.empty() ? "the formulas have no parameters" : "";
}

void inventMaps(SearchSetup& setup, const PolynomialMap& map, const std::string& rangeText,
                bool asParameters) {
    const std::vector<std::string> names = coefficientNames(map);
    const std::array<std::string, 3> formulas = polynomialFormulas(map, names);
    for (std::size_t i = 0; i < 3; ++i)
        setup.base.texts[i] = formulas[i];
    setup.base.parameters.clear();
    setup.parameters.clear();
    for (const std::string& name : names)
        setup.parameters.push_back({name, "-" + rangeText, rangeText});
    setup.invented = map;
    setup.coefficientsAsParameters = asParameters;
}

std::string applyIntervals(const std::vector<std::string>& intervals, SearchSetup& setup) {
    for (const std::string& text : intervals) {
        const std::size_t equals = text.find('='), colon = text.find(':', equals + 1);
        if (equals == 0 || equals == std::string::npos || colon == std::string::npos)
            return "--param needs NAME=MIN:MAX, got '" + text + "'";
        const std::string name = text.substr(0, equals);
        const auto found = std::find_if(setup.parameters.begin(), setup.parameters.end(),
                                        [&](const SearchParameter& p) { return p.name == name; });
        if (found == setup.parameters.end()) {
            std::string known;
            for (const SearchParameter& p : setup.parameters)
                known.append(known.empty() ? "" : ", ").append(p.name);
            return "unknown parameter '" + name + "' (the formulas' parameters: " + known + ")";
        }
        found->minimumText = text.substr(equals + 1, colon - equals - 1);
        found->maximumText = text.substr(colon + 1);
        ParameterRange range;
        if (std::string error = checkedRange(*found, range); !error.empty()) return error;
    }
    return {};
}

std::string searchSettings(const SearchSetup& setup, SearchSettings& settings) {
    settings.formulas = {setup.base.texts[0], setup.base.texts[1], setup.base.texts[2]};
    settings.parameters.clear();
    for (const SearchParameter& p : setup.parameters) {
        ParameterRange range;
        if (std::string error = checkedRange(p, range); !error.empty()) return error;
        settings.parameters.push_back(range);
    }
    for (std::size_t i = 0; i < 3; ++i)
        settings.classifier.angles[i] = angleRadians(setup.base.texts[6 + i]).toDouble();
    return {};
}

AtrDocument resultDocument(const SearchSetup& setup, const SearchResult& result) {
    AtrDocument document = setup.base;
    document.hasParameterPart = true;
    document.parameters.clear();
    if (setup.invented && !setup.coefficientsAsParameters) {
        const std::array<std::string, 3> formulas =
            polynomialFormulas(*setup.invented, result.valueTexts);
        for (std::size_t i = 0; i < 3; ++i)
            document.texts[i] = formulas[i];
        return document;
    }
    for (std::size_t i = 0; i < setup.parameters.size(); ++i) {
        const SearchParameter& p = setup.parameters[i];
        document.parameters.push_back({p.name, p.minimumText, p.maximumText, result.valueTexts[i]});
    }
    return document;
}

} // namespace gyrelune
