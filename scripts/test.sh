#!/usr/bin/env bash
# Installs the build dependencies, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test
QT_QPA_PLATFORM=offscreen ctest --preset test -j"$(nproc)"
