#include "cli/commands.h"
#include "formula/formula.h"
#include "formula/formulaField.h"

#include <cstdio>
#include <string>

namespace gyrelune::cli {

int evalCommand(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "gyrelune-cli eval: missing FORMULA\n");
        return 2;
    }
    Formula formula;
    formula.text = argv[1];
    bool error;
    formula.Compile(error);
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == arg.size()) {
            std::fprintf(stderr, "gyrelune-cli eval: expected NAME=VALUE, got '%s'\n", argv[i]);
            return 2;
        }
        FormulaField valueField(arg.substr(eq + 1));
        if (valueField.CompileAndMark()) {
            std::fprintf(stderr, "gyrelune-cli eval: '%s' is not a well-formed value\n",
                         arg.substr(eq + 1).c_str());
            return 2;
        }
        formula.SetVariable(arg.substr(0, eq), valueField.value());
    }
    std::int32_t code;
    const long double value = formula.Evaluate(code);
    std::printf("value=%.17g code=%d error=%d\n", double(value), int(code), error ? 1 : 0);
    return 0;
}

} // namespace gyrelune::cli
