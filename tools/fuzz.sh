#!/usr/bin/env bash
# The parsers' fuzz targets, built with clang in build/fuzz (instrumented for libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer).
#   tools/fuzz.sh rejoue                replays every target over its seed corpus (CI)
#   tools/fuzz.sh campagne [s] [cible]  fuzzes each target (or one) for s seconds (300)
# A campaign works on a copy of the seeds in build/fuzz/campagne/<target>; what it finds
# (crash-*, leak-*, timeout-*) lands in build/fuzz/trouvailles/<target>: each finding is
# a bug to mend, then a file of tests/fuzz/corpus/<target> and a test of tests/parsers.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-rejoue}"
build=build/fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIREL_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
case "$mode" in
rejoue)
  ctest --test-dir "$build" --output-on-failure -R '^fuzz_'
  ;;
campagne)
  secondes="${2:-300}"
  cibles="${3:-$(cd tests/fuzz/corpus && ls)}"
  for cible in $cibles; do
    travail="$build/campagne/$cible"
    trouvailles="$build/trouvailles/$cible"
    mkdir -p "$travail" "$trouvailles"
    cp -n tests/fuzz/corpus/"$cible"/* "$travail"/ 2>/dev/null || true
    echo "== $cible: $secondes s"
    statut=0
    "$build/fuzz_$cible" "$travail" -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$trouvailles/" \
      2>"$build/campagne/$cible.log" || statut=$?
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$build/campagne/$cible.log" | tail -3 || true
    echo "   entries: $(ls "$travail" | wc -l), findings: $(ls "$trouvailles" | wc -l), exit $statut"
  done
  ;;
*)
  echo "usage: $0 rejoue | campagne [seconds] [target]" >&2
  exit 2
  ;;
esac
