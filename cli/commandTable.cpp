#include "cli/commands.h"

#include <array>

namespace gyrelune::cli {

namespace {

constexpr std::array commands{
    Command{"eval", "Evaluate a formula once and print its value.", evalCommand},
    Command{"render", "Draw a document (or the default attractor) into a picture file.",
            renderCommand},
    Command{"search", "Find parameter sets that give strange attractors.", searchCommand},
    Command{"inspect", "Measure what a document's orbit does: verdict, exponents, dimensions.",
            inspectCommand},
    Command{"film", "Render a film through keyframe documents (or a turn or sweep of one).",
            filmCommand},
    Command{"encode", "Join a folder of numbered frames into a film.", encodeCommand},
    Command{"poster", "Render a document at any size on every core (supersampled, 16-bit).",
            posterCommand},
    Command{"merge", "Add up the state files of a poster's shards and write the picture.",
            mergeCommand},
};

} // namespace

std::span<const Command> commandTable() {
    return commands;
}

} // namespace gyrelune::cli
