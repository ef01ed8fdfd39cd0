#!/bin/sh
# Takes the README's pictures into docs/ on a private Xvfb:
#   scripts/take-screenshots.sh [build/bin]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BIN=$(cd "${1:-$ROOT/build/bin}" && pwd)
mkdir -p "$ROOT/docs"
DISPLAY_NUMBER=:$((90 + $$ % 9))
Xvfb "$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$DISPLAY_NUMBER QT_QPA_PLATFORM=xcb \
    "$BIN/doc-screenshots" "$ROOT/examples/demo.kavio" "$ROOT/docs"
