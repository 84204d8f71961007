#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
set -euo pipefail
packages=(cmake g++ ninja-build python3 qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
          libsimpleini-dev fonts-liberation fonts-dejavu-core qt6-translations-l10n
          clang-format desktop-file-utils appstream groff-base)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_=sudo
  echo "Installing: ${missing[*]}"
  $sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q "${missing[@]}"
fi
