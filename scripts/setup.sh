#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need,
# only when one is missing. Non-interactive; run as root (or with sudo).
# With --fuzz: only what scripts/fuzz.sh needs besides that (clang and its
# libFuzzer runtime); the ordinary build and tests never need them.
set -euo pipefail
fuzz=0
if [ "${1:-}" = "--fuzz" ]; then fuzz=1; fi
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
  xvfb openbox x11-utils
)
if [ "$fuzz" = 1 ]; then
  packages=(clang-14 libclang-rt-14-dev cmake ninja-build libcurl4-openssl-dev)
fi
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

if [ "$fuzz" = 1 ]; then exit 0; fi

# A comma-decimal locale, so the tests prove numbers stay in the C locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || echo "setup: de_DE.UTF-8 locale not available (its test will skip)"
fi
