#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated KRS-5400MX-28 (krs-sim) on a free
# loopback port and starts the program against it. The program's settings (registry file,
# configuration folder, device settings file) are written into build/run/.
# Without a display the program runs under Xvfb and a screenshot is saved instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
# Only the program and the simulator: the test suite is built by scripts/test.sh.
KRS_TARGETS="krs-manager krs-sim" "$top/scripts/build.sh"
build=${KRS_BUILD_DIR:-$top/build}
run=$build/run
mkdir -p "$run/conf"
cd "$run"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

"$build/sim/krs-sim" --data "$top/sim/data" --port 0 --flip-links 4 > sim.out 2> sim.err &
pids+=($!)
for _ in $(seq 50); do
    port=$(head -n 1 sim.out 2>/dev/null || true)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "${port:-}" ] || { echo "krs-sim did not start:"; cat sim.err; exit 1; }
echo "krs-sim answers on 127.0.0.1:$port"

cat > conf/127.0.0.1.cfg <<CFG
[Program Information]
AgentPort=$port
Version=0
SecurityModel=1
SecurityLevel=0
AuthProtocol=0
PrivProtocol=0
CFG
printf '[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=%s/conf/\n' "$run" > registry.ini
export KRS_REGISTRY_FILE=$run/registry.ini
args=(/I127.0.0.1 /Rlumpet /Wgrindel)

if [ -n "${DISPLAY:-}" ]; then
    "$build/shell/krs-manager" "${args[@]}"
else
    # No display: run on a virtual one (xvfb-run picks a free display number) and keep a picture.
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$1" "${@:3}" &
        app=$!
        sleep 8
        import -window root -crop 800x160+0+0 "$2"
        kill $app' _ "$build/shell/krs-manager" "$run/main-window.png" "${args[@]}"
    echo "No display: the program ran under Xvfb; screenshot saved as $run/main-window.png"
fi
