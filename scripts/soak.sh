#!/usr/bin/env bash
# Plays GAMES self-play games through the game window (the soak of
# tests/gui/test_soak.cpp) under Xvfb, checking every turn, and reports the
# games, turns, moves, exchanges, passes, blanks and time:
#
#   scripts/soak.sh GAMES
#
# A failure names the game's seating, dictionary, confirmation and seed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
games=${1:?usage: scripts/soak.sh GAMES}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target soak_tests data
ZK_SOAK_GAMES=$games xvfb-run -a -s "-screen 0 640x480x24 -nolisten tcp" \
  env GDK_BACKEND=x11 NO_AT_BRIDGE=1 build/tests/gui/soak_tests
