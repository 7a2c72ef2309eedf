#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $KRS_ASAN_BUILD_DIR) and runs every test there with leak detection on. Leaks of the system's own
# libraries are suppressed by cmake/lsan.supp; everything else fails the test that leaked.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
build=${KRS_ASAN_BUILD_DIR:-$top/build-asan}
KRS_BUILD_DIR=$build "$top/scripts/build.sh" -DKRS_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"${CTEST_PARALLEL_LEVEL:-$(nproc)}" --timeout 600
