#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build and the tests need,
# and only those that are missing, so that a second run installs nothing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev
    libjpeg62-turbo-dev libgif-dev
    socat imagemagick
    libbenchmark-dev clang libclang-rt-14-dev
    fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "All build packages are installed."
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "error: run as root or install sudo" >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
