#!/usr/bin/env bash
# Sets up, builds from scratch and runs every test (unit, GUI offscreen, smoke under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${GYRELUNE_TEST_BUILD:-build-test}
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
