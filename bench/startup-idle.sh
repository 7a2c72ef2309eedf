#!/usr/bin/env bash
# Measures the program against the simulated switch: the time from start to the front panel's
# first LED reply, then its CPU share, wake-ups and memory while it idles for 30 s (the front
# panel polling every 5 s).
# Usage: bench/startup-idle.sh [BUILD_DIR]   (needs Xvfb; run scripts/build.sh first)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
cd "$work"
mkdir conf

"$build/sim/krs-sim" --data "$top/sim/data" --port 0 --journal journal > sim.out 2>&1 &
pids+=($!)
for _ in $(seq 50); do port=$(head -n 1 sim.out 2>/dev/null || true); [ -n "$port" ] && break; sleep 0.1; done
printf '[Program Information]\nAgentPort=%s\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n' \
    "$port" > conf/127.0.0.1.cfg
printf '[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=%s/conf/\n' "$work" > registry.ini
export KRS_REGISTRY_FILE=$work/registry.ini
if [ -z "${DISPLAY:-}" ]; then
    Xvfb :78 -screen 0 1024x768x24 > /dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=:78
    sleep 1
fi

led=.1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2.1
start=$(date +%s%3N)
"$build/shell/krs-manager" /I127.0.0.1 /Rlumpet /Wgrindel > app.out 2>&1 &
app=$!
pids+=($app)
# The front panel reads the status object twice at creation: the blocking link read, then the
# LED request's first poll.
for _ in $(seq 100); do
    [ "$(grep -c "\"$led\"" journal 2>/dev/null || true)" -ge 2 ] && break
    sleep 0.05
done
second=$(grep "\"$led\"" journal | sed -n 2p | sed 's/.*"time":"\([^"]*\)".*/\1/')
ms=$(( $(date -d "$second" +%s%3N) - start ))
echo "start-up to the first LED reply: ${ms} ms (target: under 1000 ms)"

sleep 5
idle=30
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
# Wake-ups: the voluntary context switches of all the program's threads.
wakes() { cat /proc/$app/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
t0=$(ticks)
w0=$(wakes)
sleep $idle
t1=$(ticks)
w1=$(wakes)
hz=$(getconf CLK_TCK)
cpu=$(awk -v d=$((t1 - t0)) -v hz="$hz" -v s=$idle 'BEGIN { printf "%.2f", 100 * d / hz / s }')
rate=$(awk -v d=$((w1 - w0)) -v s=$idle 'BEGIN { printf "%.1f", d / s }')
rss=$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$app/status")
echo "idle: ${cpu} % of a core over ${idle} s (target: under 0.5 %), ${rate} wake-ups/s, ${rss} MB resident (target: under 100 MB)"
