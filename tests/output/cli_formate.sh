#!/usr/bin/env bash
# velmora-cli render --out: the file's ending chooses the format by the rule
# of the window's "Bild speichern" (.jpg and .jpeg in any case JPEG, .png,
# .svg, .pdf, every other name BMP), and "render start --help" works.
#   cli_formate.sh VELMORA-CLI
set -euo pipefail
cli="$1"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler=0
kopf() { head -c "$2" "$1" | od -An -tx1 | tr -d ' \n'; }
pruefe() { # NAME ERWARTETER-KOPF (hex)
  local datei="$ordner/$1"
  if ! QT_QPA_PLATFORM=offscreen "$cli" render start --size 64x48 --out "$datei" >/dev/null 2>&1; then
    echo "render start --out $1 failed" >&2; fehler=1; return
  fi
  local k; k=$(kopf "$datei" $(( ${#2} / 2 )))
  [ "$k" = "$2" ] || { echo "$1: starts with $k, want $2" >&2; fehler=1; }
}
jpeg=ffd8ff; bmp=424d; png=89504e47; pdf=25504446; svg=3c3f786d6c
pruefe a.jpg $jpeg
pruefe b.JPG $jpeg
pruefe c.jpeg $jpeg
pruefe d.JpEg $jpeg
pruefe e.bmp $bmp
pruefe f.dib $bmp
pruefe g.xyz $bmp
pruefe ohne-endung $bmp
pruefe h.PNG $png
pruefe i.pdf $pdf
pruefe j.svg $svg
hilfe=$("$cli" render start --help) || { echo "render start --help fails" >&2; fehler=1; }
grep -q '\.jpeg' <<<"$hilfe" || { echo "render start --help does not name .jpeg" >&2; fehler=1; }
[ $fehler -eq 0 ] && echo "formats by ending as in the window"
exit $fehler
