#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, when some are missing.
set -euo pipefail
packages=(cmake g++ ninja-build qt6-base-dev qt6-image-formats-plugins qt6-translations-l10n libgtest-dev fonts-liberation2
          libjpeg62-turbo-dev libsane-dev sane-utils locales)
# The tests also build the parsers' fuzz targets with clang and its libFuzzer runtime.
if [ "${1:-}" = "--tests" ]; then packages+=(xvfb xauth clang libclang-rt-14-dev); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
# The suite also runs under a comma-decimal locale, and the program is tried under a few more.
if [ "${1:-}" = "--tests" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  for l in fr_FR de_DE en_US; do
    locale -a | grep -qx "${l}.utf8" || $SUDO localedef -i "$l" -f UTF-8 "${l}.UTF-8"
  done
fi
