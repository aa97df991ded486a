#!/usr/bin/env bash
# Installs what is missing, builds a release build in build/, then runs the
# application against the simulator (when it is built) on 127.0.0.1:10500.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORLIX_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)"
echo "Built in build/."

simulator=build/tools/morlix-sim/morlix-sim
# OPT bit 0: the device has its LAN board, so "Device LAN Setup" is live.
# Inputs 1 and 2 carry a picture (VGA on the computer input, 1080p on DVI);
# the output runs 1080i at 50 Hz on a locked reference; input 1 takes its
# sound from Analog A, the SDI input its own embedded sound.
"$simulator" --tcp 10500 --set OPT=1 --signal 1:16 --signal 2:30 \
    --set "ITYPE[1]=6" --set "ITYPE[2]=8" --set "ITYPE[3]=12" \
    --set OFORMAT=6 --set ORATE=6 --set REFFORMAT=6 --set REFFREQ=5000 \
    --set OHSIZE=1920 --set OVSIZE=1080 --set REFLOCKSTATUS=1 \
    --set "IAMAP[1]=1" --set "IAMAP[3]=6" &
simulator_pid=$!
# The simulator goes when the application does, however it ends.
trap 'kill "$simulator_pid" 2>/dev/null || true; wait "$simulator_pid" 2>/dev/null || true' EXIT

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: run this from a desktop session (or under xvfb-run)." >&2
fi
build/src/morlix --connect tcp://127.0.0.1:10500
