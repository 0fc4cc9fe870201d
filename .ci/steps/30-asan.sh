#!/usr/bin/env bash
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Warnings are errors.
set -euo pipefail
GYRELUNE_TEST_BUILD=build-ci-asan scripts/test.sh -DGYRELUNE_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
