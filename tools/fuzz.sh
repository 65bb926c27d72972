#!/usr/bin/env bash
# The fuzz targets of the parsers, of the steps that apply what they read and of the small
# readers of typed texts, built with clang in build/fuzz (instrumented for libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer).
#   tools/fuzz.sh rejoue                replays every target over its seed corpus (CI)
#   tools/fuzz.sh campagne [s] [cibles] fuzzes every target (or those named, "trm csv")
#                                       side by side, each to 1,000,000 runs or for s
#                                       seconds (3600), whichever comes first
# A campaign works on a copy of the seeds (with tests/fuzz/dict/<target>.dict when there is one) in build/fuzz/campagne/<target>; what it finds
# (crash-*, leak-*, timeout-*) lands in build/fuzz/trouvailles/<target>: each finding is
# a bug to mend, then a file of tests/fuzz/corpus/<target> and a test of tests/parsers.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-rejoue}"
build=build/fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIREL_FUZZ=ON \
  $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" --target fuzz
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
case "$mode" in
rejoue)
  ctest --test-dir "$build" --output-on-failure -R '^fuzz_'
  ;;
campagne)
  # The targets run side by side, one core each.
  secondes="${2:-3600}"
  cibles="${3:-$(cd tests/fuzz/corpus && ls)}"
  for cible in $cibles; do
    travail="$build/campagne/$cible"
    trouvailles="$build/trouvailles/$cible"
    mkdir -p "$travail" "$trouvailles"
    cp -n tests/fuzz/corpus/"$cible"/* "$travail"/ 2>/dev/null || true
    dictionnaire=()
    [ -f tests/fuzz/dict/"$cible".dict ] && dictionnaire=(-dict=tests/fuzz/dict/"$cible".dict)
    # A target built on the whole program keeps Qt's caches from one input to the next:
    # libFuzzer's leak check after each input would stop the world every time, so leaks
    # are left to the replay, where the sanitizer checks them at the end.
    fuites=1
    ldd "$build/fuzz_$cible" 2>/dev/null | grep -q Qt6Widgets && fuites=0
    "$build/fuzz_$cible" "$travail" "${dictionnaire[@]}" -detect_leaks=$fuites -max_total_time="$secondes" -runs=1000000 -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$trouvailles/" \
      >"$build/campagne/$cible.log" 2>&1 &
  done
  echo "fuzzing $(echo $cibles | wc -w) targets to 1,000,000 runs, at most $secondes s each..."
  wait || true
  # A target that did not run (a refused dictionary, a missing program) or that found
  # something fails the campaign: a silent "?" must never read as a clean run.
  echec=0
  for cible in $cibles; do
    journal="$build/campagne/$cible.log"
    executions=$(grep -o "stat::number_of_executed_units: *[0-9]*" "$journal" | grep -o "[0-9]*$" || true)
    couverture=$(grep -o "cov: [0-9]*" "$journal" | tail -1 || true)
    trouvees=$(ls "$build/trouvailles/$cible" | wc -l)
    printf "%-11s %10s runs  %-9s corpus %4s  findings %s\n" "$cible" "${executions:-?}" "$couverture" \
      "$(ls "$build/campagne/$cible" | wc -l)" "$trouvees"
    if [ -z "$executions" ] || [ "$executions" -eq 0 ]; then
      echo "FAILED: $cible did not run; see $journal" >&2
      echec=1
    elif [ "$executions" -lt 1000000 ]; then
      echo "SHORT: $cible stopped at $executions runs, before 1,000,000" >&2
      echec=1
    elif [ "$trouvees" -ne 0 ]; then
      echo "FAILED: $cible found $trouvees input(s) in $build/trouvailles/$cible" >&2
      echec=1
    fi
  done
  exit $echec
  ;;
*)
  echo "usage: $0 rejoue | campagne [seconds] [target]" >&2
  exit 2
  ;;
esac
