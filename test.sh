#!/usr/bin/env bash
# Builds everything and runs every test with CTest (Qt tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
