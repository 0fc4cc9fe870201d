#include "core/filmKeys.h"

#include "core/headlessSession.h"
#include "render/renderCore.h"
#include "studio/film/filmPlan.h"

#include <algorithm>

namespace gyrelune {
namespace {

bool hasParameter(const AtrDocument& document, const std::string& name) {
    return std::any_of(document.parameters.begin(), document.parameters.end(),
                       [&name](const StoredParameter& p) { return p.name == name; });
}

} // namespace

RenderSettings keySettingsOf(const ReadResult& read, const std::string& fileName,
                             const std::string& gainText) {
    if (read.stage == ReadStage::nothing)
        throw FilmKeyError("cannot read '" + fileName + "': " + read.error);
    RenderCore core;
    DirectDrawServices services(core, 16, 16);
    try {
        startHeadlessDrawing(&read, gainText, services);
    } catch (const std::exception& error) {
        throw FilmKeyError("cannot open '" + fileName + "': " + error.what());
    }
    return core.submitted();
}

std::string missingParameterProblem(const std::vector<std::string>& fileNames,
                                    const std::vector<AtrDocument>& documents,
                                    const RenderSettings& settings) {
    for (const std::string& name : parameterNames(settings)) {
        const auto with =
            std::find_if(documents.begin(), documents.end(),
                         [&name](const AtrDocument& d) { return hasParameter(d, name); });
        const auto without =
            std::find_if(documents.begin(), documents.end(),
                         [&name](const AtrDocument& d) { return !hasParameter(d, name); });
        if (with != documents.end() && without != documents.end())
            return "'" + fileNames[std::size_t(without - documents.begin())] +
                   "' has no value for the parameter '" + name + "' that '" +
                   fileNames[std::size_t(with - documents.begin())] + "' has";
    }
    return {};
}

std::vector<RenderSettings> readFilmKeys(const std::vector<std::string>& fileNames,
                                         const std::string& gainText) {
    std::vector<RenderSettings> keys;
    std::vector<AtrDocument> documents;
    for (const std::string& fileName : fileNames) {
        const ReadResult read = readAtrDocument(fileName);
        keys.push_back(keySettingsOf(read, fileName, gainText));
        documents.push_back(read.document);
        const RenderSettings& key = keys.back();
        const RenderSettings& first = keys.front();
        if (key.formulaX.text != first.formulaX.text || key.formulaY.text != first.formulaY.text ||
            key.formulaZ.text != first.formulaZ.text)
            throw FilmKeyError("'" + fileName + "' has other formulas than '" + fileNames[0] +
                               "'; every keyframe needs the same three");
    }
    if (!keys.empty())
        if (const std::string problem = missingParameterProblem(fileNames, documents, keys[0]);
            !problem.empty())
            throw FilmKeyError(problem);
    return keys;
}

} // namespace gyrelune
