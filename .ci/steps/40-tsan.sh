#!/usr/bin/env bash
# The render, thread and pipeline tests under ThreadSanitizer: only their
# target is built.
set -euo pipefail
build=build-ci-tsan
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYRELUNE_TSAN=ON -DGYRELUNE_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target render_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" QT_QPA_PLATFORM=offscreen \
    "$build/tests/render/render_tests"
