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
    echo "Built the libraries. The program ($program) and the simulated logger"
    echo "($simulator, on 127.0.0.1:4660) are not part of this build yet;"
    echo "once they are, this command starts both."
    exit 0
fi

simulator_pid=""
if [ -x "$simulator" ]; then
    "$simulator" &
    simulator_pid=$!
    trap 'kill "$simulator_pid" 2>/dev/null || true' EXIT
fi
"$program" "$@"
