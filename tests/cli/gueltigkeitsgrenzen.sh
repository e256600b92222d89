#!/usr/bin/env bash
# velmora-cli at and beyond the validity limits: a day outside a body's range
# gets the limit's message and exit 2 (never a NaN or a garbage position), a
# figure run keeps to the limit of its bodies as the window's run does, and
# every event search ends.
#   gueltigkeitsgrenzen.sh CLI AUSGABEORDNER
set -uo pipefail
cli="$1"
aus="$2"
mkdir -p "$aus"
export QT_QPA_PLATFORM=offscreen
fehler=0

# pruefen NAME CODE STDERR-MUSTER -- COMMAND...
# The command must exit with CODE within 20 s and its stderr match the
# extended regular expression (empty: stderr must be empty); stdout must
# hold no non-finite number.
pruefen() {
    local name="$1" code="$2" muster="$3"
    shift 4
    local o="$aus/$name.out" e="$aus/$name.err" rc
    timeout 20 "$cli" "$@" >"$o" 2>"$e"
    rc=$?
    if [[ $rc -ne $code ]]; then
        echo "$name: exit $rc, expected $code: $(head -c 300 "$e")"; fehler=1; return
    fi
    if [[ -z "$muster" ]]; then
        [[ -s "$e" ]] && { echo "$name: unexpected stderr: $(head -c 300 "$e")"; fehler=1; return; }
    elif ! grep -Eq -- "$muster" "$e"; then
        echo "$name: stderr does not match '$muster': $(head -c 300 "$e")"; fehler=1; return
    fi
    if grep -Eqi '(^|[^a-z])-?(nan|inf)([^a-z]|$)' "$o"; then
        echo "$name: non-finite number in the output: $(grep -Eim1 'nan|inf' "$o")"; fehler=1; return
    fi
    echo "$name: ok"
}

# The output must hold exactly N lines matching the pattern.
zeilen() {
    local name="$1" anzahl="$2" muster="$3" n
    n=$(grep -Ec -- "$muster" "$aus/$name.out")
    if [[ "$n" -ne "$anzahl" ]]; then
        echo "$name: $n lines match '$muster', expected $anzahl"; fehler=1
    fi
}

g25="validity limit of about \+/- 25000 years is exceeded$"
g50="validity limit of about \+/- 50000 years is exceeded$"
g7000="validity limit of about \+/- 7000 years \(for High accuracy\) is exceeded$"
g1000="validity limit of about \+/- 1000 years \(for Minor planets and High accuracy\) is exceeded$"
gchiron="validity limit for Chiron of about \+/- 2500 years is exceeded$"

# Positions, tables, the Moon and the barycentre beyond the range.
pruefen position_weit 2 "position: day -100000000: The $g25" -- position 3 -1e8
pruefen position_sehr_weit 2 "$g25" -- position 3 -2e9
pruefen position_1e300 2 "$g25" -- position 1 1e300
pruefen position_reihe 2 "day 10000000: The $g25" -- position 2 --from 9999990 --step 10 --count 3
zeilen position_reihe 0 .
pruefen position_aussen 0 "" -- position 5 18262487
pruefen position_aussen_darueber 2 "$g50" -- position 5 18262488
pruefen position_chiron 2 "$gchiron" -- position 14 950401
pruefen position_ceres_hoch 2 "$g1000" -- position 10 374382 --high
pruefen position_venus_hoch 2 "$g7000" -- position 2 -2600001 --high
pruefen tabelle 2 "table: day -18212500: The $g25" -- table --bodies 1 --from 50000 --step -18262500 --count 5 --ut
zeilen tabelle 0 .
pruefen mond 2 "moon: day 1e\+300: The $g7000" -- moon 1e300
pruefen bary 2 "$g50" -- bary -1e300
pruefen mysterium 2 "$g25" -- render mysterium --day 1e8 --out "$aus/mysterium.png"

# The events name the limit in force.
pruefen ereignisse_chiron 2 "events: The $gchiron" -- events 6 14 --from 949000 --count 5
pruefen ereignisse_hoch 2 "events: The $g7000" -- events 2 3 --from 2599000 --count 5 --high
pruefen ereignisse_aussen 2 "events: The $g50" -- events 5 6 --from 18262000 --count 3

# Figure runs keep to the limit of their bodies.
pruefen zwei_chiron 0 "render two-planets: The $gchiron" -- render two-planets --planets 6,14 --from 900000 \
    --link-lines --steps 2000 --rows --out "$aus/zwei_chiron.png"
zeilen zwei_chiron 1 $'^[0-9]+\t4601-10-31 '
pruefen zwei_innen 0 "" -- render two-planets --planets 6,14 --from 900000 --link-lines --steps 200 \
    --out "$aus/zwei_innen.png"
pruefen zwei_sofort 0 "$gchiron" -- render two-planets --planets 6,14 --from 900000 --steps 2000 --immediate \
    --out "$aus/zwei_sofort.png"
pruefen drei_aussen_frueh 0 "" -- render three-planets --planets 5,6,7 --from -15000000 --events 3 --rows \
    --out "$aus/drei_aussen_frueh.png"
zeilen drei_aussen_frueh 3 $'^[1-3]\t-3[0-9]{4}-'
pruefen drei_aussen_spaet 0 "$g50" -- render three-planets --planets 5,6,7 --from 18200000 --events 30 --rows \
    --out "$aus/drei_aussen_spaet.png"
pruefen ueberblick_weit 0 "" -- render overview --bodies 1,3 --from -1e8 --steps 2 --out "$aus/ueberblick.png"
pruefen ueberblick_grenze 0 "render overview: The $g25" -- render overview --bodies 3 --from 9999000 --steps 3000 \
    --out "$aus/ueberblick_grenze.png"

# The search that ran for minutes: the start lay outside Chiron's table.
pruefen drei_chiron 0 "render three-planets: The $gchiron" -- render three-planets --planets 9,14,3 --pair 23 \
    --from -9999999 --events 200 --triangle --every 5 --out "$aus/drei_chiron.png"

# No position command prints a non-finite number, whatever the day.
for koerper in $(seq 1 21); do
    for tag in -1e300 -1e8 1e8 1e300; do
        for genau in "" --high; do
            # shellcheck disable=SC2086
            timeout 20 "$cli" position "$koerper" "$tag" $genau >"$aus/endlich.out" 2>/dev/null
            rc=$?
            if [[ $rc -ne 2 ]] || [[ -s "$aus/endlich.out" ]]; then
                echo "position $koerper $tag $genau: exit $rc, output $(head -c 200 "$aus/endlich.out")"; fehler=1
            fi
        done
    done
done
exit $fehler
