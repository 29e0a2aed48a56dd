#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cd build
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 300 -j "$(nproc)"
