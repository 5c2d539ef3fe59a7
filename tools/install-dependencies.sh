#!/usr/bin/env bash
# Installs the Debian packages that building Marrowick, its tests and its
# examples needs, when any of them is missing. Run as root (or with sudo).
set -euo pipefail

# Qt 5 and Qt 6 both: the tests run against each (libgl-dev completes Qt 6's
# CMake packages). fonts-dejavu-core: the card table draws its labels with the
# offscreen platform too. clang and libclang-rt-14-dev: the fuzz targets
# (libFuzzer) and the clang sanitizer build.
packages=(cmake g++ make pkg-config
          qtbase5-dev libqt5svg5-dev
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          fonts-dejavu-core clang libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get=(apt-get)
    [ "$(id -u)" -eq 0 ] || apt_get=(sudo apt-get)
    export DEBIAN_FRONTEND=noninteractive
    "${apt_get[@]}" update -q
    "${apt_get[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi
