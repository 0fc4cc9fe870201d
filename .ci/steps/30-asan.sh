#!/usr/bin/env bash
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
GYRELUNE_TEST_BUILD=build-ci-asan scripts/test.sh -DGYRELUNE_SANITIZE=ON
