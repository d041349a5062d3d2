#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need,
# only when one is missing. Non-interactive; run as root (or with sudo).
set -euo pipefail
packages=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libqt6printsupport6 qt6-qpa-plugins libqt6svg6
  qt6-svg-dev
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei
  python3-pyftpdlib
  poppler-utils
  locales
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so the tests prove numbers stay in the C locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || echo "setup: de_DE.UTF-8 locale not available (its test will skip)"
fi
