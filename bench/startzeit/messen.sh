#!/usr/bin/env bash
# Start-up time of the main window against a bare window of the same size:
# the median wall time of RUNDEN starts of each (20 unless set) and their
# ratio, on Qt's offscreen platform and, where xvfb-run exists, under X11.
# Two more series, the bare window with one line of text and with the main
# window's menu bar, show how much of the difference is Qt's one-time font
# set-up, which any window with text pays. Under X11 (or, without xvfb-run,
# offscreen) it then compares the resident memory one second after the start
# of the main window and of the bare window with the menu bar, alternating,
# RUNDEN times each (SPEICHER=0 leaves that out).
#
#   bash bench/startzeit/messen.sh [BUILDORDNER]     (default: build/default)
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$wurzel/build/default}" && pwd)
runden=${RUNDEN:-20}
rechner=$build/bench/startzeit/startzeit_rechner
leer=$build/bench/startzeit/startzeit_leer

if [[ ! -x $rechner || ! -x $leer || ! -d $build/programm ]]; then
    echo "Erst bauen: cmake --build --preset default" >&2
    exit 1
fi

# The outer call measures on offscreen, then once more inside a virtual X
# server; the inner call measures on the platform it is given.
if [[ -z ${STARTZEIT_PLATTFORM:-} ]]; then
    STARTZEIT_PLATTFORM=offscreen bash "${BASH_SOURCE[0]}" "$build"
    if command -v xvfb-run >/dev/null; then
        STARTZEIT_PLATTFORM=xcb xvfb-run -a bash "${BASH_SOURCE[0]}" "$build"
    else
        echo "xvfb-run fehlt: keine Messung unter X11."
    fi
    exit 0
fi
export QT_QPA_PLATFORM=$STARTZEIT_PLATTFORM

# A copy of the built program folder with a settings file, so that no
# first-start question is asked.
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
ordner=$arbeit/programm
mkdir "$ordner"
cp -r "$build/programm/." "$ordner/"
printf 'Main = ATS\r\nActive = USD;1\r\nActive = CHF;2\r\n' >"$ordner/zirvanto.ini"
# Qt wants a runtime folder of the user's own, as a desktop session has.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$arbeit/laufzeit
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# Time of one run in microseconds, from the start of the process to the
# moment the program reports its window shown and painted (the last number
# it prints); a run that fails ends the script with its messages.
dauer() {
    local anfang ausgabe
    anfang=$(date +%s%N)
    if ! ausgabe=$("$@" 2>"$arbeit/fehler"); then
        echo "Fehlgeschlagen: $*" >&2
        cat "$arbeit/fehler" >&2
        return 1
    fi
    echo $(((${ausgabe##* } - anfang) / 1000))
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ w[NR] = $1 }
        END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'
}

# One run of each before measuring fills the disk and font caches; the
# main window's run tells the size of the bare window.
read -r breite hoehe _ < <("$rechner" "$ordner" 2>"$arbeit/fehler") || true
if [[ -z ${hoehe:-} ]]; then
    echo "startzeit_rechner ist fehlgeschlagen:" >&2
    cat "$arbeit/fehler" >&2
    exit 1
fi
dauer "$leer" "$breite" "$hoehe" >/dev/null
dauer "$leer" "$breite" "$hoehe" --text >/dev/null
dauer "$leer" "$breite" "$hoehe" --menue >/dev/null

# Alternating runs, so that a change in machine load hits all alike.
zeiten_rechner=()
zeiten_leer=()
zeiten_text=()
zeiten_menue=()
for ((i = 0; i < runden; i++)); do
    zeiten_leer+=("$(dauer "$leer" "$breite" "$hoehe")")
    zeiten_rechner+=("$(dauer "$rechner" "$ordner")")
    zeiten_text+=("$(dauer "$leer" "$breite" "$hoehe" --text)")
    zeiten_menue+=("$(dauer "$leer" "$breite" "$hoehe" --menue)")
done

awk -v p="$QT_QPA_PLATFORM" -v n="$runden" -v b="$breite" -v h="$hoehe" \
    -v r="$(median "${zeiten_rechner[@]}")" -v l="$(median "${zeiten_leer[@]}")" \
    -v t="$(median "${zeiten_text[@]}")" -v m="$(median "${zeiten_menue[@]}")" \
    -v last="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "Plattform %s, %d Starts je Programm, Fenster %d x %d Pixel, Last %s\n", p, n, b, h, last
    printf "  Rechner:                  Median %6.1f ms\n", r / 1000
    printf "  leeres Fenster:           Median %6.1f ms\n", l / 1000
    printf "  leeres Fenster mit Text:  Median %6.1f ms\n", t / 1000
    printf "  leeres Fenster mit Menü:  Median %6.1f ms\n", m / 1000
    printf "  Rechner / leeres Fenster:          %.2f\n", r / l
    printf "  Rechner / leeres Fenster mit Text: %.2f\n", r / t
    printf "  Rechner / leeres Fenster mit Menü: %.2f\n", r / m
}'

# Resident memory one second after the start, in kB: the program stays open
# (STARTZEIT_BLEIBEN) until it is read.
speicher() {
    STARTZEIT_BLEIBEN=1 "$@" >/dev/null 2>"$arbeit/fehler" &
    local pid=$! kb
    sleep 1
    kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -z $kb ]]; then
        echo "Fehlgeschlagen: $*" >&2
        cat "$arbeit/fehler" >&2
        return 1
    fi
    echo "$kb"
}

if [[ ${SPEICHER:-1} != 0 ]] && { [[ $QT_QPA_PLATFORM == xcb ]] || ! command -v xvfb-run >/dev/null; }; then
    speicher_rechner=()
    speicher_menue=()
    for ((i = 0; i < runden; i++)); do
        speicher_menue+=("$(speicher "$leer" "$breite" "$hoehe" --menue)")
        speicher_rechner+=("$(speicher "$rechner" "$ordner")")
    done
    awk -v r="$(median "${speicher_rechner[@]}")" -v m="$(median "${speicher_menue[@]}")" 'BEGIN {
        printf "  Speicher nach 1 s, Rechner:                 Median %6.1f MB\n", r / 1024
        printf "  Speicher nach 1 s, leeres Fenster mit Menü: Median %6.1f MB\n", m / 1024
        printf "  Rechner / leeres Fenster mit Menü:          %.3f\n", r / m
    }'
fi
