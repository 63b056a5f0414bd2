#!/usr/bin/env bash
# Start-up time and peak memory of the main window against the size of the
# rate file: the shipped table (about 50 currencies) and tables of 10,000,
# 100,000 and 300,000 entries, each with a settings file present. For every
# size the median of RUNDEN starts (5 unless set) of startzeit_rechner on
# Qt's offscreen platform: the wall time from the start of the process until
# the window is shown and painted, and the peak resident memory the kernel
# reports for the process, and the processor time the process used (user
# and system), which a loaded machine disturbs less than the wall time. A straight line fitted through
# all sizes (least squares) gives the cost of one more entry.
#
#   bash bench/startgroesse/messen.sh [BUILDORDNER]     (default: build/default)
#   GROESSEN="10000 100000" RUNDEN=9 bash bench/startgroesse/messen.sh
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$wurzel/build/default}" && pwd)
runden=${RUNDEN:-5}
groessen=${GROESSEN:-"10000 100000 300000"}
rechner=$build/bench/startzeit/startzeit_rechner

if [[ ! -x $rechner || ! -d $build/programm ]]; then
    echo "Erst bauen: cmake --build --preset default" >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$arbeit/laufzeit
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# A program folder whose rate file holds the shipped records followed by
# made-up ones up to `anzahl` entries in all: distinct codes of three or
# four capitals, names with umlauts, rates of four to six digits, flags,
# every seventh rate set by hand. Windows-1252 with CR LF, as the program
# writes it.
ordner_anlegen() {
    local ordner=$1 anzahl=$2
    mkdir "$ordner"
    cp -r "$build/programm/." "$ordner/"
    rm -f "$ordner/zirvanto.ini"
    if [[ $anzahl != mitgeliefert ]]; then
        python3 - "$ordner/currency.ini" "$anzahl" <<'PY'
import sys
pfad, anzahl = sys.argv[1], int(sys.argv[2])
with open(pfad, "rb") as f:
    zeilen = [z for z in f.read().split(b"\r\n") if z.strip()]
vorlagen = [z.split(b":") for z in zeilen]
vergeben = {v[0] for v in vorlagen}
def code(n):
    buchstaben = ""
    laenge = 3 if n < 26 ** 3 else 4
    for _ in range(laenge):
        buchstaben = chr(ord("A") + n % 26) + buchstaben
        n //= 26
    return buchstaben.encode()
n = 0
while len(zeilen) < anzahl:
    c = code(n)
    n += 1
    if c in vergeben:
        continue
    v = vorlagen[n % len(vorlagen)]
    kurs = float(v[2]) * (1 + (n % 997) / 10000)
    zeilen.append(b"%s:%s: %s:%s: %d" % (c, v[1], ("%.6g" % kurs).encode(), v[3],
                                        1 if n % 7 == 3 else 0))
with open(pfad, "wb") as f:
    f.write(b"".join(z + b"\r\n" for z in zeilen))
PY
    fi
    printf 'Main = ATS\r\nActive = USD;1\r\nActive = CHF;2\r\n' >"$ordner/zirvanto.ini"
    grep -c . "$ordner/currency.ini"
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ w[NR] = $1 }
        END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'
}

# One start: prints "microseconds KiB processor-microseconds". The peak
# memory and the processor time come from the kernel's account of the
# process (wait4), to the microsecond.
messung() {
    python3 - "$rechner" "$1" 2>"$arbeit/fehler" <<'PY'
import os, subprocess, sys, time
anfang = time.time_ns()
prozess = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE)
ausgabe = prozess.stdout.read().split()
_, status, verbrauch = os.wait4(prozess.pid, 0)
if status != 0 or not ausgabe:
    sys.exit("Fehlgeschlagen: " + " ".join(sys.argv[1:]))
print((int(ausgabe[-1]) - anfang) // 1000, verbrauch.ru_maxrss,
      round((verbrauch.ru_utime + verbrauch.ru_stime) * 1e6))
PY
    local rc=$?
    if ((rc != 0)); then cat "$arbeit/fehler" >&2; fi
    return $rc
}

printf 'Plattform offscreen, %d Starts je Größe, Last %s\n' "$runden" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%10s %12s %14s %14s\n' Einträge "Start (ms)" "Speicher (MB)" "Prozessor (ms)"
ergebnisse=()
for groesse in mitgeliefert $groessen; do
    ordner=$arbeit/programm-$groesse
    eintraege=$(ordner_anlegen "$ordner" "$groesse")
    messung "$ordner" >/dev/null # fills the disk and font caches
    zeiten=()
    speicher=()
    prozessor=()
    for ((i = 0; i < runden; i++)); do
        read -r zeit kib cpu < <(messung "$ordner")
        zeiten+=("$zeit")
        speicher+=("$kib")
        prozessor+=("$cpu")
    done
    zeit=$(median "${zeiten[@]}")
    kib=$(median "${speicher[@]}")
    cpu=$(median "${prozessor[@]}")
    awk -v n="$eintraege" -v t="$zeit" -v m="$kib" -v c="$cpu" \
        'BEGIN { printf "%10d %12.1f %14.1f %14.0f\n", n, t / 1000, m / 1024, c / 1000 }'
    ergebnisse+=("$eintraege $zeit $kib $cpu")
    rm -rf "$ordner"
done

# Least squares through all sizes: time and memory per entry.
printf '%s\n' "${ergebnisse[@]}" | awk '
    { n[NR] = $1; t[NR] = $2; m[NR] = $3; c[NR] = $4; sn += $1; st += $2; sm += $3; sc += $4 }
    END {
        k = NR; mn = sn / k; mt = st / k; mm = sm / k; mc = sc / k
        for (i = 1; i <= k; i++) {
            d = n[i] - mn
            snn += d ^ 2; snt += d * (t[i] - mt); snm += d * (m[i] - mm); snc += d * (c[i] - mc)
        }
        at = snt / snn; am = snm / snn; ac = snc / snn
        printf "Gerade durch alle Größen, je Eintrag: %.3f µs Start, %.3f KiB, %.3f µs Prozessor\n",
            at, am, ac
        printf "  Achsenabschnitt: %.1f ms Start, %.1f MB, %.1f ms Prozessor\n",
            (mt - at * mn) / 1000, (mm - am * mn) / 1024, (mc - ac * mn) / 1000
    }'
