#!/bin/sh
# Installs the Debian packages ZEL3 needs to build, test and run; asks no questions.
set -eu

PACKAGES="
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libisal-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev hyperfine
  libxlsxwriter-dev nlohmann-json3-dev
  qt6-translations-l10n fonts-nanum
  python3 python3-ezdxf python3-dbfread python3-openpyxl python3-mpmath python3-scipy
  fonts-liberation xdg-utils poppler-utils librsvg2-bin pngcheck desktop-file-utils
  appstream man-db groff-base dpkg-dev file shared-mime-info
  clang libclang-rt-dev
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
