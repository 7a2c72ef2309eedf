#!/usr/bin/env bash
# Builds the fuzz harnesses with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ (or $KRS_FUZZ_BUILD_DIR) and runs each for the given seconds (default 60), or
# only the harnesses named after the seconds. The inputs of a run that add coverage to
# fuzz/corpus/<harness>/ are added to it; nothing there is ever deleted, so the normal build's
# replay of the corpus stays what it was plus what is new. A crash input is kept in the corpus
# too, so the replay test fails until the fault is mended. The script exits with 1 when any
# harness ends otherwise than by its time running out, with or without a crash file (a start-up
# error, a leak checker that cannot run, a missing program), and prints a line per harness:
# seconds run, inputs run, inputs added, corpus size, outcome.
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
    # The harnesses the source declares, not whatever programs an older build left behind.
    mapfile -t harnesses < <(sed -n 's/^krs_fuzzer(\([a-z0-9_]*\).*/\1/p' "$top/fuzz/CMakeLists.txt")
fi

# Inputs stay short so that the checked-in corpus stays small.
maxlen=${KRS_FUZZ_MAX_LEN:-512}
cd "$build"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
failed=()
table=()

# Names a harness among the failed ones, once.
fail() {
    [[ " ${failed[*]} " == *" $1 "* ]] || failed+=("$1")
}

# Adds to the corpus the inputs of the run that add coverage to it, by name (libFuzzer names an
# input by its content's hash), never removing or replacing a file; prints how many were added.
merge_new() {
    local h=$1 corpus=$2 work=$3 merged=$build/merged/$1 added=0
    rm -rf "$merged" && mkdir -p "$merged"
    find "$corpus" -maxdepth 1 -type f -exec cp -p {} "$merged"/ \;
    if ! "$build/fuzz/fuzz_$h" -merge=1 -timeout=10 -max_len="$maxlen" "$merged" "$work" \
        >"$build/$h.merge.log" 2>&1; then
        echo "   $h: merging failed: see $build/$h.merge.log" >&2
        echo 0
        return 1
    fi
    for f in "$merged"/*; do
        [ -e "$f" ] || continue
        if [ ! -e "$corpus/$(basename "$f")" ]; then
            cp "$f" "$corpus"/ && added=$((added + 1))
        fi
    done
    echo "$added"
}

for h in "${harnesses[@]}"; do
    corpus=$top/fuzz/corpus/$h
    work=$build/corpus/$h
    crashes=$build/crashes/$h
    log=$build/$h.log
    mkdir -p "$corpus"
    rm -rf "$work" "$crashes" && mkdir -p "$work" "$crashes"
    echo "== $h: ${seconds}s"
    status=0
    started=$SECONDS
    if [ -x "$build/fuzz/fuzz_$h" ]; then
        # The checked-in corpus is read, never written: new inputs go to the work folder.
        "$build/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=10 -max_len="$maxlen" -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "$corpus" >"$log" 2>&1 || status=$?
    else
        echo "no program $build/fuzz/fuzz_$h" >"$log"
        status=127
    fi
    ran=$((SECONDS - started))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    outcome=clean
    if [ $status -ne 0 ] || [ -z "$runs" ]; then
        outcome="ended abnormally (status $status): see $log"
        grep -E "^SUMMARY|ERROR" "$log" | head -3 || true
        fail "$h"
    fi
    for c in "$crashes"/*; do
        [ -e "$c" ] || continue
        cp "$c" "$corpus/" && echo "   kept $(basename "$c") in fuzz/corpus/$h"
        outcome="found $(basename "$c")"
        fail "$h"
    done
    added=$(merge_new "$h" "$corpus" "$work") || fail "$h"
    size=$(find "$corpus" -type f | wc -l)
    table+=("$(printf '%-14s %5ss %10s runs %5s added %6s in corpus  %s' "$h" "$ran" "${runs:-0}" "$added" \
        "$size" "$outcome")")
    echo "   ${table[-1]}"
done
echo
printf '%s\n' "${table[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Harnesses that failed: ${failed[*]}"
    exit 1
fi
