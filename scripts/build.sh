#!/usr/bin/env bash
# Configures and builds the project into build/ (or $KRS_BUILD_DIR): everything, or only the
# targets named in $KRS_TARGETS (space-separated).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KRS_BUILD_DIR:-$top/build}
extra=()
if command -v ccache >/dev/null; then
    # Worktrees of one checkout share compiled objects through ccache.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")} CCACHE_NOHASHDIR=1
    extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
if [ "${CI:-}" = "true" ]; then
    extra+=(-DKRS_WERROR=ON)
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${KRS_BUILD_TYPE:-RelWithDebInfo} "${extra[@]}" "$@" >/dev/null
targets=()
for t in ${KRS_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" "${targets[@]}"
