#!/usr/bin/env bash
# The manual pages against the programs: every command that
# "velmora-cli --help" lists has its .SS section in velmora-cli.1, every
# figure of "velmora-cli render --help" its .SS "render FIGURE" (and its own
# --help works), every file ending of --out appears in velmora-cli.1, every
# option of "velmora --help" appears in velmora.1, and groff formats both
# pages without a warning.
#   pruefen.sh VELMORA-CLI VELMORA MANDIR
set -euo pipefail
cli="$1"; prog="$2"; man="$3"
fehler=0
melden() { echo "$*" >&2; fehler=1; }

befehle=$("$cli" --help | sed -n 's/^  \([a-z][a-z0-9-]*\)\( .*\)\{0,1\}$/\1/p')
[ -n "$befehle" ] || melden "no commands read from velmora-cli --help"
for b in $befehle; do
  grep -qx "\.SS $b" "$man/velmora-cli.1" || melden "velmora-cli.1: no section '.SS $b' for the command $b"
done

figuren=$("$cli" render --help | sed -n 's/^figures: //p')
[ -n "$figuren" ] || melden "no figures read from velmora-cli render --help"
for f in $figuren; do
  grep -qx "\.SS \"render $f\"" "$man/velmora-cli.1" || melden "velmora-cli.1: no section '.SS \"render $f\"'"
  "$cli" render "$f" --help >/dev/null 2>&1 || melden "velmora-cli render $f --help fails"
done

# Every file ending that "render --help" names for --out is in the page.
endungen=$("$cli" render --help | sed -n 's/^--out FILE: //p' | grep -o '\.[a-z]\{3,4\}\b' | sort -u)
[ -n "$endungen" ] || melden "no file endings read from velmora-cli render --help"
for e in $endungen; do
  grep -q "^\.BR\{0,1\} \\$e\b\|^\.BR\{0,1\} $e\b" "$man/velmora-cli.1" || melden "velmora-cli.1: the ending $e of --out is not described"
done

for o in $("$prog" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
  grep -qF -- "$(printf '%s' "$o" | sed 's/-/\\-/g')" "$man/velmora.1" || melden "velmora.1: option $o not described"
done

for seite in velmora.1 velmora-cli.1; do
  meldungen=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$man/$seite" 2>&1 || true)
  [ -z "$meldungen" ] || melden "$seite: $meldungen"
done
[ $fehler -eq 0 ] && echo "manual pages complete"
exit $fehler
