#!/usr/bin/env bash
# Builds the game and its data tree, then runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what the game needs: the program, its data tree and pictures (no tests).
cmake --build build -j"$(nproc)" --target zertanik data art
exec build/zertanik
