#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated KRS-5400MX-28 (krs-sim) on a free
# loopback port and starts the program against it. The program's settings (registry file,
# configuration folder, device settings file) are written into build/run/, and krs-sim's journal
# of every request it received into build/run/journal.jsonl.
# Without a display the program runs under Xvfb and a screenshot is saved instead.
#   scripts/run.sh          SNMPv1, read community "lumpet", write community "grindel"
#   scripts/run.sh --v3     SNMPv3 as user "noc", HMAC-SHA-96 and CBC-DES (authPriv)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
v3=false
case "${1:-}" in
"") ;;
--v3) v3=true ;;
*)
    echo "usage: scripts/run.sh [--v3]" >&2
    exit 2
    ;;
esac
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

sim_args=(--data "$top/sim/data" --port 0 --flip-links 4 --journal "$run/journal.jsonl")
if $v3; then
    sim_args+=(--user noc:SHA:nocpass123:DES:nocpriv123)
fi
"$build/sim/krs-sim" "${sim_args[@]}" > sim.out 2> sim.err &
pids+=($!)
for _ in $(seq 50); do
    port=$(head -n 1 sim.out 2>/dev/null || true)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "${port:-}" ] || { echo "krs-sim did not start:"; cat sim.err; exit 1; }
echo "krs-sim answers on 127.0.0.1:$port"

# The device settings file counts SecurityLevel, AuthProtocol and PrivProtocol from 0.
if $v3; then
    cat > conf/127.0.0.1.cfg <<CFG
[Program Information]
AgentPort=$port
Version=3
SecurityModel=3
SecurityLevel=2
SecurityName=noc
AuthProtocol=2
PrivProtocol=1
AuthPassword=nocpass123
PrivPassword=nocpriv123
CFG
else
    cat > conf/127.0.0.1.cfg <<CFG
[Program Information]
AgentPort=$port
Version=0
SecurityModel=1
SecurityLevel=0
AuthProtocol=0
PrivProtocol=0
CFG
fi
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
