#!/usr/bin/env bash
# Builds the sanitizer test build and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLO_SANITIZE=ON -DTARVELLO_TESTS=ON
cmake --build build/test
cd build/test
ctest --output-on-failure -j "$(nproc)"
