#!/bin/sh
# `make run` until the main window exists: creates a sample project with
# segmo-cli in build/run/, compiles it and says what it did.
set -eu
BIN=$(cd "${1:-build/bin}" && pwd)
RUN_DIR=$(dirname "$BIN")/run
mkdir -p "$RUN_DIR"
cd "$RUN_DIR"

echo "== segmo-cli new sample.kavio --pages 4 (Mitsubishi FX3U)"
"$BIN/segmo-cli" new sample.kavio --pages 4 --vendor 0 --plc 1 --force
echo "== segmo-cli compile sample.kavio -o ledprj.hex"
"$BIN/segmo-cli" compile sample.kavio -o ledprj.hex
echo "== first bytes of the scrambled image"
od -A d -t x1 ledprj.hex | head -4
echo "== the demo project of examples/"
"$BIN/segmo-cli" compile "$BIN/../../examples/demo.kavio" -o demo.hex
echo "Files are in $RUN_DIR"
