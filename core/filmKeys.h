#pragma once
// Keyframe documents of a film, read as the program opens them: each gives the
// settings Draw would hand to the renderer.

#include "core/atrDocument.h"
#include "render/renderSettings.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace gyrelune {

struct FilmKeyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The settings Draw hands over after opening the document (with the gain
// field set to gainText). Throws FilmKeyError naming the file.
RenderSettings keySettingsOf(const ReadResult& read, const std::string& fileName,
                             const std::string& gainText);

// A parameter of the formulas that one document gives a value and another
// does not, as a message naming both; empty when there is none.
std::string missingParameterProblem(const std::vector<std::string>& fileNames,
                                    const std::vector<AtrDocument>& documents,
                                    const RenderSettings& settings);

// Reads every file and checks that they can make one film together: the same
// formulas and the same parameters. Throws FilmKeyError.
std::vector<RenderSettings> readFilmKeys(const std::vector<std::string>& fileNames,
                                         const std::string& gainText);

} // namespace gyrelune
