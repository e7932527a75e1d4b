#!/usr/bin/env bash
# Builds the game and its data tree, then runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/zertanik ]; then
  exec build/zertanik
fi
# No game window yet: show that the default dictionary loads and answers.
exec build/bench/bench_slownik
