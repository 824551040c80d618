#!/usr/bin/env bash
# Installs the Debian packages the build, the games and the tests need, but only those missing, so a
# machine that has them all is not slowed down. Runs apt-get as root or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
    libsdl2-dev libsdl2-mixer-dev
    fonts-liberation2
    libgtest-dev libbenchmark-dev
    dpkg-dev file desktop-file-utils appstream
)
# Extra packages named on the command line (a sanitizer or fuzzing build asks for clang).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
