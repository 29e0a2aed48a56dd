#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run VelmorUC.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools qt6-multimedia-dev
    qt6-translations-l10n qt6-l10n-tools libqt6svg6 qt6-svg-dev
    libgl-dev libxkbcommon-dev
    libxdo-dev
    libbenchmark-dev
    libicu-dev
    xvfb xauth openbox xdotool imagemagick x11-utils xterm xclip
    dbus dbus-x11 ibus
    ripgrep
    fonts-ipafont fonts-liberation fonts-sil-andika fonts-sil-charis fonts-sil-doulos
    fonts-dejavu-core fonts-nanum fonts-thai-tlwg fonts-arabeyes
    fonts-wqy-microhei
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "deps.sh: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "deps.sh: need root or sudo to install packages" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
