#!/usr/bin/env bash
# Builds the fuzz harnesses with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ (or $KRS_FUZZ_BUILD_DIR) and runs each for the given seconds (default 60), or
# only the harnesses named after the seconds. Each run grows fuzz/corpus/<harness>/, which is then
# merged down to the inputs that add coverage. A crash input is kept in the corpus too, so the
# normal build's replay test fails until the fault is mended; the script then exits with 1.
#   scripts/fuzz.sh [seconds] [harness...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
"$top/scripts/deps.sh"

packages=(clang libclang-rt-dev llvm)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${KRS_FUZZ_BUILD_DIR:-$top/build-fuzz}
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")} CCACHE_NOHASHDIR=1
    launcher+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DKRS_FUZZ=ON -DKRS_BUILD_TESTS=OFF -DKRS_BUILD_BENCH=OFF \
    "${launcher[@]}" >/dev/null
cmake --build "$build" --target krs_fuzzers --parallel "${KRS_FUZZ_JOBS:-4}"

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    for f in "$build"/fuzz/fuzz_*; do
        harnesses+=("$(basename "$f" | sed 's/^fuzz_//')")
    done
fi

# Inputs stay short so that the checked-in corpus stays small; libFuzzer writes its job logs here.
maxlen=${KRS_FUZZ_MAX_LEN:-512}
cd "$build"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
failed=()
for h in "${harnesses[@]}"; do
    corpus=$top/fuzz/corpus/$h
    work=$build/corpus/$h
    crashes=$build/crashes/$h
    mkdir -p "$corpus"
    rm -rf "$work" "$crashes" && mkdir -p "$work" "$crashes"
    echo "== $h: ${seconds}s"
    status=0
    "$build/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=10 -max_len="$maxlen" -rss_limit_mb=2048 -jobs=1 -workers=1 \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "$corpus" 2>"$build/$h.log" || status=$?
    grep -E "^(stat::number_of_executed_units|stat::new_units_added|SUMMARY)" "$build/$h.log" || true
    # Keep the inputs that add coverage (of the checked-in ones and what this run found) and every
    # input that once crashed a harness.
    merged=$build/merged/$h
    rm -rf "$merged" && mkdir -p "$merged"
    "$build/fuzz/fuzz_$h" -merge=1 -timeout=10 -max_len="$maxlen" "$merged" "$corpus" "$work" >/dev/null 2>&1 || true
    if [ -n "$(ls -A "$merged")" ]; then
        find "$corpus" -type f ! -name 'crash-*' ! -name 'timeout-*' ! -name 'leak-*' ! -name 'oom-*' -delete
        cp "$merged"/* "$corpus"/
    fi
    for c in "$crashes"/*; do
        [ -e "$c" ] || continue
        cp "$c" "$corpus/" && echo "   kept $(basename "$c") in fuzz/corpus/$h"
        failed+=("$h")
    done
    if [ $status -ne 0 ]; then
        echo "   $h stopped with status $status: see $build/$h.log"
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Faults found by: ${failed[*]}"
    exit 1
fi
