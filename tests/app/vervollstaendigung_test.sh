#!/usr/bin/env bash
# The bash completion ($1) as bash runs it, against the real program ($2)
# in a temporary program folder.
set -euo pipefail
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
ln "$2" "$ordner/zirvanto" 2>/dev/null || cp "$2" "$ordner/zirvanto"
printf 'ATS:S: 13.7603:: 0\r\nUSD:D: 1.1415:: 0\r\nusn:N: 2:: 0\r\n' >"$ordner/currency.ini"
source "$1"
for fall in "--convert|--con" "|--convert 5" "USD usn|--convert 5 us" "EUR|-c -5 USD e" \
    "ATS|-c --date 2015-01-15 -- -5 a" "|--list --date 2" "|--list a"; do
    read -ra COMP_WORDS <<<"$ordner/zirvanto ${fall#*|}"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _zirvanto
    [[ ${COMPREPLY[*]} == "${fall%%|*}" ]] || { echo "${fall#*|}: „${COMPREPLY[*]}“" && exit 1; }
done
