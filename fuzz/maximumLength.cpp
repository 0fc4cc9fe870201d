// libFuzzer tries inputs of at most 4 kB unless told otherwise; the faults of
// oversized documents and formulas lie beyond that. A -max_len given on the
// command line still wins: it comes later.
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::string flag = "-max_len=" + std::to_string(GYRELUNE_FUZZ_MAXIMUM_LENGTH);
    static std::vector<char*> arguments;
    arguments.assign(*argv, *argv + *argc);
    arguments.insert(arguments.begin() + (*argc > 0 ? 1 : 0), flag.data());
    arguments.push_back(nullptr);
    *argc += 1;
    *argv = arguments.data();
    return 0;
}
