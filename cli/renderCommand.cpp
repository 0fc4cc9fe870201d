#include "commands.h"

#include <cstdio>

namespace gyrelune::cli {

int renderCommand(int, char**) {
    std::fprintf(stderr, "gyrelune-cli render: not available yet\n");
    return 2;
}

} // namespace gyrelune::cli
