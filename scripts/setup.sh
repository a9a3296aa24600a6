#!/usr/bin/env bash
# Installs with apt-get whatever the build, the program and the tests need and the machine lacks.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libgl-dev
  libx11-dev xvfb xauth xdotool x11-utils xclip imagemagick openbox
  fonts-dejavu-core fonts-noto-color-emoji qt6-translations-l10n
  librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian
  clang libclang-rt-14-dev clang-format clang-tidy
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
