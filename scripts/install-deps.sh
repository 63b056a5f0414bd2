#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# but only those that are missing.
set -euo pipefail
pakete=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
        qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
        libminizip-dev libfontconfig-dev libqt6sql6-sqlite
        desktop-file-utils appstream dpkg-dev file
        xvfb dbus-daemon at-spi2-core python3-pyatspi tinyproxy valgrind)
fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${fehlend[@]}"
fi
