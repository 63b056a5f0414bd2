#!/usr/bin/env bash
# Time of a terminal call, from exec to exit: "zirvanto --convert 1250 USD
# EUR ATS" against two yardsticks that start a QCoreApplication, read one
# small file and print a line, one linked with the same libraries as
# zirvanto (terminal_vergleich), one with QtCore alone (terminal_qtcore).
# The median wall time of RUNDEN runs of each (100 unless set), taken in
# turn so that a change in machine load hits all alike, with no display
# variable set.
#
#   bash bench/terminal/messen.sh [BUILDORDNER]     (default: build/default)
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$wurzel/build/default}" && pwd)
runden=${RUNDEN:-100}
vergleich=$build/bench/terminal/terminal_vergleich
qtcore=$build/bench/terminal/terminal_qtcore

if [[ ! -x $vergleich || ! -x $qtcore || ! -x $build/programm/zirvanto ]]; then
    echo "Erst bauen: cmake --build --preset default" >&2
    exit 1
fi
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# German number forms; the shell itself may lack that locale and need not
# say so.
{ export LC_ALL=de_DE.UTF-8; } 2>/dev/null

# A copy of the built program folder with a main currency set.
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
ordner=$arbeit/programm
mkdir "$ordner"
cp -r "$build/programm/." "$ordner/"
printf 'Main = ATS\r\nActive = USD;1\r\n' >"$ordner/zirvanto.ini"
klein=$arbeit/klein.txt
echo "1 EUR = 13,7603 ATS" >"$klein"

# Wall time of one run in microseconds; a run that fails ends the script.
dauer() {
    local anfang=$EPOCHREALTIME
    if ! "$@" >/dev/null 2>"$arbeit/fehler"; then
        echo "Fehlgeschlagen: $*" >&2
        cat "$arbeit/fehler" >&2
        exit 1
    fi
    local ende=$EPOCHREALTIME
    echo $((${ende/./} - ${anfang/./}))
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ w[NR] = $1 }
        END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'
}

umrechnen=("$ordner/zirvanto" --convert 1250 USD EUR ATS)
# One run of each first fills the disk caches.
dauer "${umrechnen[@]}" >/dev/null
dauer "$vergleich" "$klein" >/dev/null
dauer "$qtcore" "$klein" >/dev/null

zeiten_z=()
zeiten_v=()
zeiten_c=()
for ((i = 0; i < runden; i++)); do
    zeiten_v+=("$(dauer "$vergleich" "$klein")")
    zeiten_z+=("$(dauer "${umrechnen[@]}")")
    zeiten_c+=("$(dauer "$qtcore" "$klein")")
done

awk -v n="$runden" -v z="$(median "${zeiten_z[@]}")" -v v="$(median "${zeiten_v[@]}")" \
    -v c="$(median "${zeiten_c[@]}")" -v last="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "%d Läufe je Programm, Last %s\n", n, last
    printf "  zirvanto --convert:                 Median %6.1f ms\n", z / 1000
    printf "  Vergleich, gleiche Qt-Bibliotheken: Median %6.1f ms\n", v / 1000
    printf "  Vergleich, nur QtCore:              Median %6.1f ms\n", c / 1000
    printf "  zirvanto / gleiche Bibliotheken:           %.2f\n", z / v
    printf "  zirvanto / nur QtCore:                     %.2f\n", z / c
}'
