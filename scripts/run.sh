#!/usr/bin/env bash
# Installs the build dependencies, builds the Release build and starts the
# program with the simulated logger beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

program=build/release/app/corvane
simulator=build/release/loggersim/corvane-loggersim
if [ ! -x "$program" ]; then
    echo "Built the libraries and the simulated logger ($simulator)."
    echo "The program ($program) is not part of this build yet; once it is,"
    echo "this command starts it with the simulated logger on 127.0.0.1:4660 beside it."
    exit 0
fi

# The simulated logger keeps its state between runs and stops with the program.
# It takes network links on 127.0.0.1:4660 and a serial link that the program
# finds as a logger on USB (through the device tree it writes).
state="${XDG_STATE_HOME:-$HOME/.local/state}/corvane/loggersim"
usb_tree="${XDG_RUNTIME_DIR:-/tmp}/corvane-loggersim-usb-$(id -u)"
simulator_pid=""
stop_simulator() {
    if [ -n "$simulator_pid" ]; then
        kill "$simulator_pid" 2>/dev/null || true
        wait "$simulator_pid" 2>/dev/null || true
    fi
}
trap stop_simulator EXIT
# A new simulated logger starts with two logged sessions to download: an hour
# of one scan a second, and a running one of five scans a second.
if [ ! -e "$state/logged-sessions.txt" ]; then
    "$simulator" --state "$state" --add-session 3600 --add-session 3000,interval=40,subsecond,running >/dev/null \
        || echo "The simulated logger's sessions could not be added."
fi
"$simulator" --listen 127.0.0.1:4660 --pty --usb-tree "$usb_tree" --state "$state" </dev/null &
simulator_pid=$!
sleep 0.2
if ! kill -0 "$simulator_pid" 2>/dev/null; then
    echo "The simulated logger did not start (see above); the program runs without it."
    simulator_pid=""
fi
CORVANE_USB_ROOT="$usb_tree" "$program" "$@"
