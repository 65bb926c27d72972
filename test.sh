#!/usr/bin/env bash
# Builds the test configuration (warnings, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs every test headless through CTest.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh --tests
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVIREL_TESTS=ON -DTAVIREL_SANITIZE=ON >/dev/null
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
