#pragma once
// A whole film job: the frames of a range rendered into a frame folder
// (skipping the frames already there) or the whole film into a video file.
// The command line and the program's dialog both run it.

#include "studio/film/filmOutput.h"
#include "studio/film/filmRenderer.h"
#include "studio/film/frameRange.h"

#include <atomic>
#include <functional>
#include <string>

namespace gyrelune {

// Frames finished of the job's frames, and the share of the next one done.
using FilmJobProgress = std::function<void(int finished, double share)>;

// False if stop was raised: a folder keeps its finished frames, a video file
// is not written. Throws FilmError (or std::bad_alloc).
bool runFilmJob(FilmRenderer& renderer, const std::string& output, const VideoSettings& video,
                const FrameRange& range, const std::atomic<bool>* stop,
                const FilmJobProgress& progress);

} // namespace gyrelune
