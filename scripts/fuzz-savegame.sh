#!/usr/bin/env bash
# Builds the saved-game fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it from the committed corpus for a bounded time: the first argument, in seconds
# (60 unless given). Not part of the test suite. New inputs go to a work folder, never into the
# committed corpus; a crash is written there as crash-* for adding to tests/savegame/corpus
# under a name that begins with what is wrong with the file (see SavedGameRefusalTest).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang libclang-rt-14-dev

seconds=${1:-60}
work=${FUZZ_DIR:-build-fuzz}
mkdir -p "$work/corpus"

# The checker and what it asks of the engine: the layout table, the layouts and the tile model.
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. \
    fuzz/SavedGameFuzzer.cpp app/savegame/SavedGameFormat.cpp play/LayoutTable.cpp \
    layouts/*.cpp board/*.cpp \
    -o "$work/SavedGameFuzzer"

"$work/SavedGameFuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=5 \
    -dict=fuzz/savegame.dict -artifact_prefix="$work/" -print_final_stats=1 \
    "$work/corpus" tests/savegame/corpus
