#include "cli/commands.h"

#include <array>

namespace gyrelune::cli {

namespace {

constexpr std::array commands{
    Command{"eval", "Evaluate a formula once and print its value.", evalCommand},
    Command{"render", "Draw a document (or the default attractor) into a picture file.",
            renderCommand},
    Command{"search", "Find parameter sets that give strange attractors.", searchCommand},
    Command{"encode", "Join a folder of numbered frames into a film.", encodeCommand},
};

} // namespace

std::span<const Command> commandTable() {
    return commands;
}

} // namespace gyrelune::cli
