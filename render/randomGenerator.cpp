#include "render/randomGenerator.h"

namespace gyrelune {

RandomGenerator& processRandom() {
    static RandomGenerator generator;
    return generator;
}

} // namespace gyrelune
