#!/bin/sh
# `make run` until the main window exists: creates a sample project with
# segmo-cli, compiles it, downloads it to the panel emulator and says what it
# did. Files are left in build/run/.
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

echo "== the panel emulator on a pseudo-terminal, linked as COM9 in $RUN_DIR/ports"
export ZTSERIAL_PORT_DIR="$RUN_DIR/ports"
rm -f panel-image.bin emulator.log
"$BIN/panel-emulator" --port-dir "$ZTSERIAL_PORT_DIR" --com 9 --image panel-image.bin \
    --log emulator.log > emulator.out &
EMULATOR=$!
trap 'kill $EMULATOR 2>/dev/null || true' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10; do
    grep -q ready emulator.out 2>/dev/null && break
    sleep 0.2
done
echo "== segmo-cli download examples/demo.kavio --port COM9"
"$BIN/segmo-cli" download "$BIN/../../examples/demo.kavio" --port COM9
"$BIN/segmo-cli" compile "$BIN/../../examples/demo.kavio" -o demo.hex
if cmp -s demo.hex panel-image.bin; then
    echo "== the emulated panel saved exactly the compiled image ($(wc -c < demo.hex) bytes)"
else
    echo "== the emulated panel's image differs from the compiled one" >&2
    exit 1
fi
echo "Files are in $RUN_DIR"
