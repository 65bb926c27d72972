#!/usr/bin/env bash
# Builds the test configuration (warnings, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs every test headless through CTest, under the C locale and under fr_FR.UTF-8, then
# the number, file and statistics-window programs under en_US.UTF-8 with its own locale.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh --tests
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVIREL_TESTS=ON -DTAVIREL_SANITIZE=ON >/dev/null
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
# Once in the C locale, once in a comma-decimal one: the C library follows LC_NUMERIC,
# so a number converted through it reads "2,5" as 2 there.
for langue in C.UTF-8 fr_FR.UTF-8; do
  echo "== tests under LC_ALL=$langue"
  LANG=$langue LC_ALL=$langue ctest --test-dir build/test --output-on-failure -j "$(nproc)" -LE point
done
# The tests set the French locale for the program; this pass keeps a point-decimal one,
# the path of a user on en_US or C.
echo "== point-decimal tests under LC_ALL=en_US.UTF-8"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 ctest --test-dir build/test --output-on-failure -j "$(nproc)" -L point
