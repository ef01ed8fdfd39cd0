#!/bin/sh
# `make run`: starts the panel emulator on a pseudo-terminal linked as COM1 in
# a private port folder and opens examples/demo.kavio in Segmo, so that
# Download can be pressed against a panel at once. Without a display the
# same download runs headless with segmo-cli. Files are left in build/run/.
set -eu
BIN=$(cd "${1:-build/bin}" && pwd)
ROOT=$(cd "$BIN/../.." && pwd)
RUN_DIR=$(dirname "$BIN")/run
mkdir -p "$RUN_DIR"
cd "$RUN_DIR"

export ZTSERIAL_PORT_DIR="$RUN_DIR/ports"
rm -f panel-image.bin emulator.log emulator.out
"$BIN/panel-emulator" --port-dir "$ZTSERIAL_PORT_DIR" --com 1 --image panel-image.bin \
    --log emulator.log > emulator.out &
EMULATOR=$!
trap 'kill $EMULATOR 2>/dev/null || true' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10; do
    grep -q ready emulator.out 2>/dev/null && break
    sleep 0.2
done
echo "== the panel emulator listens as COM1 ($(cut -d' ' -f2 emulator.out)), its frames in $RUN_DIR/emulator.log"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "== Segmo with examples/demo.kavio: press Download to send it to the emulated panel"
    "$BIN/Segmo" "$ROOT/examples/demo.kavio"
    exit 0
fi

echo "== no display: the same download, headless, with segmo-cli"
"$BIN/segmo-cli" download "$ROOT/examples/demo.kavio" --port COM1
"$BIN/segmo-cli" compile "$ROOT/examples/demo.kavio" -o demo.hex
if cmp -s demo.hex panel-image.bin; then
    echo "== the emulated panel saved exactly the compiled image ($(wc -c < demo.hex) bytes)"
else
    echo "== the emulated panel's image differs from the compiled one" >&2
    exit 1
fi
