#!/usr/bin/env bash
# Builds the Debian package of Cantilog (optimised, stripped) into build-package/ and prints its path.
# Install it with: sudo apt install ./build-package/cantilog_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# dpkg-shlibdeps works out the package's library dependencies.
dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed" || {
  sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_=sudo
  $sudo_ apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q dpkg-dev
}
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/cantilog_*.deb
