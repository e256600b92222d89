#!/usr/bin/env bash
# Checks a built Debian package as installed: unpacks it into a scratch
# folder (dpkg-deb -x, nothing is installed on the machine), validates the
# desktop entry, the AppStream metainfo and the manual pages, and runs the
# unpacked programs from another working folder, so that a file left out of
# the package or a path that only works in the build tree fails here.
#   tests/installation/pruefen.sh velmora_VERSION_ARCH.deb
set -euo pipefail
deb=$(realpath "$1")
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
wurzel="$arbeit/wurzel"
dpkg-deb -x "$deb" "$wurzel"
fehler=0
pruefe() { # pruefe TEXT COMMAND...: runs COMMAND, reports TEXT on failure
  local text="$1"; shift
  if "$@"; then echo "ok: $text"; else echo "FAILED: $text" >&2; fehler=1; fi
}

id=de.tarvello.Velmora
desktop="$wurzel/usr/share/applications/$id.desktop"
metainfo="$wurzel/usr/share/metainfo/$id.metainfo.xml"
pruefe "desktop entry valid" desktop-file-validate "$desktop"
pruefe "metainfo valid" appstreamcli validate --no-net "$metainfo"
symbol=$(sed -n 's/^Icon=//p' "$desktop")
programm=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
pruefe "icon $symbol as SVG" test -s "$wurzel/usr/share/icons/hicolor/scalable/apps/$symbol.svg"
for g in 16 32 48 64 128 256; do
  pruefe "icon $symbol at ${g}x$g" test -s "$wurzel/usr/share/icons/hicolor/${g}x$g/apps/$symbol.png"
done
pruefe "Exec=$programm is installed" test -x "$wurzel/usr/bin/$programm"
for seite in velmora velmora-cli; do
  datei="$wurzel/usr/share/man/man1/$seite.1.gz"
  pruefe "manual page $seite(1) without groff warnings" \
    sh -c 'test -s "$1" && test -z "$(zcat "$1" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)"' sh "$datei"
done
pruefe "copyright and changelog" test -s "$wurzel/usr/share/doc/velmora/copyright" -a -s "$wurzel/usr/share/doc/velmora/changelog.gz"
pruefe "dependencies can be installed" sh -c 'apt-get install -s "$1" >/dev/null' sh "$deb"

# The programs, run from another folder.
mkdir -p "$arbeit/anderswo" "$arbeit/konfig"
cd "$arbeit/anderswo"
cli="$wurzel/usr/bin/velmora-cli"
zeile=$("$cli" position 4 0 --high || true)
pruefe "velmora-cli position 4 0 --high: six numbers" \
  sh -c 'echo "$1" | grep -Eq "^(-?[0-9.e+-]+ ){5}-?[0-9.e+-]+$"' sh "$zeile"
pruefe "velmora-cli render two-planets writes a PNG" sh -c '"$1" render two-planets --planets 2,3 --steps 730 --link-lines \
  --conj-star --orbit1 --orbit2 --legend --out pentagramm.png && file pentagramm.png | grep -q "PNG image"' sh "$cli"
erstes=$(XDG_CONFIG_HOME="$arbeit/konfig" QT_QPA_PLATFORM=offscreen timeout 60 "$wurzel/usr/bin/velmora" --time-to-first-frame 2>/dev/null || true)
pruefe "velmora draws its first frame offscreen ($erstes)" sh -c 'echo "$1" | grep -q "^first frame after"' sh "$erstes"
set +e
XDG_CONFIG_HOME="$arbeit/konfig" QT_QPA_PLATFORM=offscreen timeout 4 "$wurzel/usr/bin/velmora" >/dev/null 2>&1
rc=$?
set -e
pruefe "velmora keeps running offscreen for 4 seconds (exit $rc, 124 = still running)" test "$rc" -eq 124

# A program copied without its share folder fails with the data message,
# and VELMORA_DATA_DIR brings the files back.
mkdir -p "$arbeit/kaputt/bin"
cp "$cli" "$arbeit/kaputt/bin/"
pruefe "without Data: non-zero exit" sh -c '! "$1" position 4 0 --high >/dev/null 2>&1' sh "$arbeit/kaputt/bin/velmora-cli"
pruefe "VELMORA_DATA_DIR finds the installed files" \
  sh -c 'VELMORA_DATA_DIR="$2" "$1" position 4 0 --high >/dev/null' sh "$arbeit/kaputt/bin/velmora-cli" "$wurzel/usr/share/velmora"

if [ $fehler -ne 0 ]; then
  echo "installation check failed" >&2
  exit 1
fi
echo "installation check passed"
