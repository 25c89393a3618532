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
# of one scan a second, and a running one of five scans a second. Its memory
# card, written then too, is a folder that the program reads as an SD card in
# the PC's reader: the mount table and block device it is shown
# (CORVANE_MEDIA_ROOT) present that folder as a mounted SD card.
card="${XDG_DATA_HOME:-$HOME/.local/share}/corvane-loggersim-card"
media="${XDG_RUNTIME_DIR:-/tmp}/corvane-loggersim-media-$(id -u)"
if [ ! -e "$state/logged-sessions.txt" ]; then
    "$simulator" --state "$state" --add-session 3600 --add-session 3000,interval=40,subsecond,running >/dev/null \
        || echo "The simulated logger's sessions could not be added."
    if "$simulator" --state "$state" --write-card "$card" >/dev/null; then
        echo "The simulated memory card is in $card: set it as the card reader's mount point in File > Corvane Settings."
    else
        echo "The simulated memory card could not be written."
    fi
fi
if [ -d "$card" ]; then
    # The real mount table and block devices, so a real card reader still
    # works, and the simulated card's folder as one more SD card.
    rm -rf "$media"
    mkdir -p "$media/block/mmcblksim"
    for device in /sys/class/block/*; do
        [ -e "$device" ] && ln -s "$device" "$media/block/"
    done
    echo 62333952 >"$media/block/mmcblksim/size"
    # The mount table writes a space, tab or backslash in a path as an octal escape.
    mount_point=$(realpath "$card" | sed 's/\\/\\134/g; s/ /\\040/g; s/\t/\\011/g')
    { cat /proc/self/mounts 2>/dev/null || true; printf '/dev/mmcblksim %s vfat rw 0 0\n' "$mount_point"; } >"$media/mounts"
fi
"$simulator" --listen 127.0.0.1:4660 --pty --usb-tree "$usb_tree" --state "$state" </dev/null &
simulator_pid=$!
sleep 0.2
if ! kill -0 "$simulator_pid" 2>/dev/null; then
    echo "The simulated logger did not start (see above); the program runs without it."
    simulator_pid=""
fi
if [ -d "$card" ]; then
    export CORVANE_MEDIA_ROOT="$media"
fi
CORVANE_USB_ROOT="$usb_tree" "$program" "$@"
