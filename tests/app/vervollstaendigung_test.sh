#!/usr/bin/env bash
# The bash completion (first argument) as bash runs it, against the real
# program (second argument) in a temporary program folder.
set -euo pipefail
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
ln "$2" "$ordner/zirvanto" 2>/dev/null || cp "$2" "$ordner/zirvanto"
printf 'ATS:S: 13.7603:: 0\r\nUSD:D: 1.1415:: 0\r\nusn:N: 2:: 0\r\n' >"$ordner/currency.ini"
source "$1"
fehler=0
for fall in "--convert|--con" "--list|-c 5 EUR --l" "|--convert " "USD usn|--convert 5 us" \
    "EUR|-c -5 USD e" "ATS|-c -- -5 a" "|--list a"; do
    read -ra COMP_WORDS <<<"$ordner/zirvanto ${fall#*|}"
    [[ ${fall: -1} == " " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _zirvanto
    if [[ ${COMPREPLY[*]} != "${fall%%|*}" ]]; then
        echo "zirvanto ${fall#*|}: „${COMPREPLY[*]}“ statt „${fall%%|*}“"
        fehler=1
    fi
done
exit $fehler
