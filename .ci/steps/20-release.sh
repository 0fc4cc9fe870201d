#!/usr/bin/env bash
# One Release build from scratch with the tests and the benchmarks: the
# README's test command runs the suite in it (with the desktop file checks),
# then the Debian package is made and checked from the same build. Warnings
# are errors.
set -euo pipefail
GYRELUNE_TEST_BUILD=build-ci-release scripts/test.sh -DCMAKE_BUILD_TYPE=Release \
    -DGYRELUNE_BENCH=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
scripts/check-package.sh build-ci-release
