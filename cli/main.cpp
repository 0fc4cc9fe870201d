#include "cli/commands.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const usage =
    "Usage: gyrelune-cli COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  eval FORMULA [NAME=VALUE ...]\n"
    "      Compiles FORMULA, sets each NAME to VALUE (a number or a formula such as\n"
    "      2*pi, stored as a 6-byte real), evaluates once and prints\n"
    "      value=V code=C error=E  (C: evaluation code 0..4; E: 1 if FORMULA is malformed).\n"
    "\n"
    "  render [DOC.atr] [--size WxH] [--steps N] [--gain G] [--threads 1|2] [--progress]\n"
    "         -o OUT\n"
    "      Opens DOC (or the default attractor), draws it at W x H (default 600x600)\n"
    "      for N steps (default 1000000) with gain G (default 1500) and writes the\n"
    "      picture to OUT (.jpg, .bmp or .png). --threads 2 iterates the orbit on a\n"
    "      second thread, 1 keeps to one; by default the faster is measured and kept.\n"
    "\n"
    "  --help   shows this text.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::fputs(usage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    if (!std::strcmp(argv[1], "eval")) return gyrelune::cli::evalCommand(argc - 1, argv + 1);
    if (!std::strcmp(argv[1], "render")) return gyrelune::cli::renderCommand(argc - 1, argv + 1);
    std::fprintf(stderr, "gyrelune-cli: unknown command '%s' (see --help)\n", argv[1]);
    return 2;
}
