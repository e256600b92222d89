#!/usr/bin/env bash
# Renders every figure of figuren.txt with velmora-cli and compares it pixel
# for pixel with the committed picture of the same name.
#   vergleichen.sh CLI AUSGABEORDNER            compare (exit 1 on a difference)
#   vergleichen.sh CLI AUSGABEORDNER --neu      write the committed pictures anew
set -uo pipefail
cli="$1"
aus="$2"
neu="${3:-}"
hier="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$aus"
fehler=0
while read -r name argumente; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    ziel="$aus/$name.png"
    [[ "$neu" == "--neu" ]] && ziel="$hier/$name.png"
    # shellcheck disable=SC2086
    if ! QT_QPA_PLATFORM=offscreen "$cli" render $argumente --lang en --out "$ziel" >/dev/null; then
        echo "$name: velmora-cli failed"; fehler=1; continue
    fi
    [[ "$neu" == "--neu" ]] && { echo "$name: written"; continue; }
    anders=$(compare -metric AE "$hier/$name.png" "$ziel" null: 2>&1)
    if [[ "$anders" != "0" ]]; then
        echo "$name: $anders pixels differ from the committed picture ($ziel)"; fehler=1
    else
        echo "$name: same pixels"
    fi
done < "$hier/figuren.txt"
exit $fehler
