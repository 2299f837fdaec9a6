#!/usr/bin/env bash
# Kills the desk (-9) mid-burst: the counter stays ahead of every stored number, register intact.
# Usage: counter_after_kill.sh OSTRALE-SCENARIO [TRIALS]
set -u
runner=$1
trials=${2:-6}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

script="$work/burst.scn"
{
    echo "sql stor.mdb \"insert into STOR (CODASS, CODVOL, DENOM) values ('A', '1', 'ALFA')\""
    echo "sql asso.mdb \"insert into ASSO (CODASS, DENOM) values ('001', 'ALFA')\""
    echo "start"
    echo "click emergenzaform.cmdok"
    echo "menu mnvolainsm"
    echo "choose formvol.cmbass ALFA"
    for i in $(seq 1 400); do
        echo "set formvol.cognome ROSSI$i"
        echo "click formvol.cmdregistra"
    done
} > "$script"

failures=0
for trial in $(seq 1 "$trials"); do
    rm -rf "$work/kept"
    "$runner" --keep "$work/kept" "$script" > /dev/null 2>&1 &
    pid=$!
    # Somewhere inside the burst: start-up takes a few tenths of a second.
    sleep "0.$(( RANDOM % 6 + 1 ))$(( RANDOM % 10 ))"
    kill -9 "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    folder="$work/kept/burst"
    [ -f "$folder/emervol.mdb" ] || { echo "trial $trial: killed before the folder was laid down"; continue; }
    counter=$(head -n 1 "$folder/prossimo_codice_volontario.txt" | tr -d '\r\n ')
    stored=$(sqlite3 "$folder/emervol.mdb" "select coalesce(max(cast(substr(CODVOL, 4) as integer)), -1) from EMERVOL")
    count=$(sqlite3 "$folder/emervol.mdb" "select count(*) from EMERVOL")
    integrity=$(sqlite3 "$folder/emervol.mdb" "pragma integrity_check")
    echo "trial $trial: $count stored, highest number $stored, counter $counter, integrity $integrity"
    if [ "$integrity" != "ok" ] || [ "$((10#$counter))" -le "$stored" ]; then
        echo "trial $trial: FAIL: the counter is not ahead of the stored numbers, or the register is damaged"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ]
