#!/usr/bin/env bash
# Builds the optimised game (and its sample price database) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_TESTS=OFF
cmake --build build/release
exec build/release/bin/tarvello "$@"
