#!/usr/bin/env bash
# Instructions of a start, counted by valgrind's callgrind: the main window
# with the shipped rate table and three side rows, and beside it the bare
# window of the same size with a menu bar, each on Qt's offscreen platform
# until its window is shown and painted. Prints the whole count (every
# thread, the dynamic loader included), the main thread's main() and the
# building of the window. Counts, unlike times, hardly depend on the load of
# the machine; they are figures to compare, never a test that fails.
#
#   bash bench/startanweisungen/messen.sh [BUILDORDNER]   (default: build/default)
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$wurzel/build/default}" && pwd)
rechner=$build/bench/startzeit/startzeit_rechner
leer=$build/bench/startzeit/startzeit_leer

if ! command -v valgrind >/dev/null; then
    echo "valgrind fehlt: keine Zählung der Startanweisungen."
    exit 0
fi
if [[ ! -x $rechner || ! -x $leer || ! -d $build/programm ]]; then
    echo "Erst bauen: cmake --build --preset default" >&2
    exit 1
fi

export QT_QPA_PLATFORM=offscreen
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
ordner=$arbeit/programm
mkdir "$ordner"
cp -r "$build/programm/." "$ordner/"
printf 'Main = ATS\r\nActive = USD;1\r\nActive = CHF;2\r\nActive = GBP;3\r\n' >"$ordner/zirvanto.ini"
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$arbeit/laufzeit
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# Runs one program under callgrind; its profile goes to $arbeit/$1.
zaehlen() {
    local name=$1
    shift
    if ! valgrind --tool=callgrind --callgrind-out-file="$arbeit/$name" "$@" \
        >"$arbeit/$name.aus" 2>"$arbeit/$name.fehler"; then
        echo "Fehlgeschlagen unter valgrind: $*" >&2
        cat "$arbeit/$name.fehler" >&2
        exit 1
    fi
}

# The inclusive count of the first function whose name matches $2, in
# millions; 0 when none does.
inklusiv() {
    callgrind_annotate --inclusive=yes --threshold=100 "$arbeit/$1" 2>/dev/null |
        awk -v muster="$2" '$0 ~ muster { gsub(",", "", $1); printf "%.1f", $1 / 1e6; gefunden = 1; exit }
            END { if (!gefunden) printf "0" }'
}
gesamt() {
    awk '/^summary:|^totals:/ { printf "%.1f", $2 / 1e6; exit }' "$arbeit/$1"
}

zaehlen rechner "$rechner" "$ordner"
read -r breite hoehe _ <"$arbeit/rechner.aus"
zaehlen leer "$leer" "$breite" "$hoehe" --menue

awk -v rg="$(gesamt rechner)" -v rm="$(inklusiv rechner ':main \\[')" \
    -v rf="$(inklusiv rechner 'Rechner::oberflaecheAufbauen\\(\\) \\[')" \
    -v rl="$(inklusiv rechner '_dl_relocate_object \\[')" \
    -v lg="$(gesamt leer)" -v lm="$(inklusiv leer ':main \\[')" \
    -v ll="$(inklusiv leer '_dl_relocate_object \\[')" 'BEGIN {
    printf "Startanweisungen (callgrind, offscreen, mitgelieferte Kurstabelle, drei Seitenzeilen), in Millionen\n"
    printf "                            gesamt     main()   Relokation   Fensteraufbau\n"
    printf "  Rechner:                %8.1f   %8.1f   %10.1f   %13.1f\n", rg, rm, rl, rf
    printf "  leeres Fenster mit Menü: %7.1f   %8.1f   %10.1f\n", lg, lm, ll
    printf "  Rechner / leeres Fenster:  %.2f\n", rg / lg
}'
