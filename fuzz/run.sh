#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) in build/fuzz
# and runs one of them for a bounded time:  fuzz/run.sh TARGET SECONDS
# TARGET is a folder name under fuzz/corpus. New inputs that widen coverage
# collect in build/fuzz/korpus/TARGET; an input that crashes, leaks, runs
# longer than 1 s or needs more than 512 MB is written into
# fuzz/corpus/TARGET, where the test fuzz_TARGET replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
ziel="${1:?Aufruf: fuzz/run.sh ZIEL SEKUNDEN}"
sekunden="${2:?Aufruf: fuzz/run.sh ZIEL SEKUNDEN}"
korpus="$PWD/fuzz/corpus/$ziel"
if [ ! -d "$korpus" ]; then
    echo "Kein Fuzz-Ziel '$ziel'; vorhanden: $(ls fuzz/corpus | tr '\n' ' ')" >&2
    exit 2
fi

bau="$PWD/build/fuzz"
cmake -S . -B "$bau" -G Ninja -DZIRVANTO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bau" --target "fuzz_$ziel"

arbeit="$bau/korpus/$ziel"
mkdir -p "$arbeit" "$bau/logs"
# The targets write their input files here; in memory where there is /dev/shm.
ZIRVANTO_FUZZ_ORDNER="$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/zirvanto-fuzz.XXXXXX")"
export ZIRVANTO_FUZZ_ORDNER
trap 'rm -rf "$ZIRVANTO_FUZZ_ORDNER"' EXIT
cd "$bau/logs" # libFuzzer writes its job log (fuzz-0.log) here
status=0
"$bau/fuzz/fuzz_$ziel" -max_total_time="$sekunden" -rss_limit_mb=512 -timeout=1 \
    -jobs=1 -workers=1 -print_final_stats=1 -artifact_prefix="$korpus/" \
    "$arbeit" "$korpus" || status=$?
cp fuzz-0.log "$ziel.log"
tail -n 25 "$ziel.log"
exit "$status"
