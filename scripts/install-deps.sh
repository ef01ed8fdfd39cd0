#!/bin/sh
# Installs the Debian packages that building and testing Segmo needs.
# Only missing packages are installed; the package lists are refreshed first
# because a new machine may have none.
set -eu

PACKAGES="cmake make g++ pkg-config
qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev
qttools5-dev qttools5-dev-tools libqt5svg5-dev
libcurl4-openssl-dev
fonts-wqy-microhei xvfb"

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "error: packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
