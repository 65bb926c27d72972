#!/usr/bin/env bash
# Builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tavirel
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start the program with one of:"
  echo "  xvfb-run ./build/release/tavirel"
  echo "  QT_QPA_PLATFORM=offscreen ./build/release/tavirel"
  exit 1
fi
exec ./build/release/tavirel
