#!/usr/bin/env bash
# How many of the project's objects a .trm read links. Two small programs are linked
# against the folder libraries of a build (build/dev unless named) with the linker's
# trace: one parses a file (Trm::Analyse_trame), one reads it into the grid as the
# program does (Gen::Lit_trame: parse and apply). The linker pulls from the static
# libraries only the objects it needs (its map file lists them); the total is every
# object of those libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
[ -f "$build/libtav_app.a" ] || { echo "build $build first (cmake --build $build)" >&2; exit 1; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
libs=()
for l in app statwin colour measure image grid stats base base_noyau platform; do libs+=("$build/libtav_$l.a"); done
total=0
for l in "${libs[@]}"; do total=$((total + $(ar t "$l" | grep -c '\.o$'))); done

cat >"$travail/analyse.cpp" <<'SRC'
#include "grid/fichier_trm_analyse.h"
#include "platform/textfile.h"
int main(int argc, char** argv) {
    QStringList l;
    if (argc > 1) TextFile::readLines(QString::fromLocal8Bit(argv[1]), l);
    return int(Trm::Analyse_trame(l).elements.size());
}
SRC
cat >"$travail/lecture.cpp" <<'SRC'
#include "grid/fichier_trm.h"
int main(int argc, char** argv) {
    short statut = 0;
    Gen::Lit_trame(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(), statut);
    return statut;
}
SRC
qt=$(pkg-config --cflags --libs Qt6Widgets)
for programme in analyse lecture; do
  g++ -std=c++20 -fPIC -I. $qt -c "$travail/$programme.cpp" -o "$travail/$programme.o"
  g++ -fPIC "$travail/$programme.o" -Wl,--start-group "${libs[@]}" -Wl,--end-group $qt \
    -Wl,-Map="$travail/$programme.map" -o "$travail/$programme"
  # The map's first section names each archive member the link took: "libtav_x.a(y.cpp.o)".
  awk '/^Archive member included/ {dedans = 1; next} /^[A-Z]/ {dedans = 0} dedans' "$travail/$programme.map" |
    grep -o 'libtav_[a-z_]*\.a([^)]*)' | sort -u >"$travail/$programme.objets"
  echo "$programme: $(wc -l <"$travail/$programme.objets") of the $total project objects"
  sed 's/\.a(/ /; s/\.cpp\.o)$//; s/)$//' "$travail/$programme.objets" |
    awk '{n[$1]++; o[$1] = o[$1] " " $2} END {for (k in n) printf "  %-20s %3d %s\n", k, n[k], o[k]}' | sort
done
