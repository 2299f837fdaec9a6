#!/usr/bin/env bash
# Kills the desk (-9) mid TALPEX import: the history archive is the old or the new one, whole.
# Usage: talpex_import_kill.sh OSTRALE-SCENARIO [TRIALS]
set -u
runner=$1
trials=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/killtrial.sh"

associations=50
per_association=8000
old_records=$((associations * 20))
new_records=$((associations * per_association))

script="$work/import.scn"
cat > "$script" <<END
sql stor.mdb "insert into STOR (CODASS, CODVOL, DENOM, COGN, NOME) with recursive n(i) as (select 0 union all select i + 1 from n where i < $old_records - 1) select 'T' || (i % $associations), i, 'ASSOCIAZIONE ' || (i % $associations), 'VECCHIO', 'N' || i from n"
sql assoesp.mdb "insert into ASSO (CODASS, DENOM) with recursive n(i) as (select 0 union all select i + 1 from n where i < $associations - 1) select 'T' || i, 'ASSOCIAZIONE ' || i from n"
sql voloesp.mdb "insert into VOLO (CODVOL, CODASS, COGN, NOME) with recursive n(i) as (select 0 union all select i + 1 from n where i < $new_records - 1) select i, 'T' || (i % $associations), 'NUOVO', 'N' || i from n"
start
click emergenzaform.cmdok
menu mnaggstotalpex
expect-message "Storico aggiornato da TALPEX."
END

failures=0
kills=0
folder="$work/kept/import"
for trial in $(seq 1 "$trials"); do
    # Kill after the new archive began to be written (its log grows).
    kill_trial "$runner" "$script" "$folder" \
        '[ "$(stat -c %s "$folder/stor.mdb-wal" 2> /dev/null || echo 0)" -gt 2000000 ]' \
        'echo "0.$(( RANDOM % 3 ))"'
    [ "$killed" = yes ] && kills=$((kills + 1))
    if [ "$began" = no ]; then
        echo "trial $trial: killed before the import began, not counted"
        continue
    fi
    [ -f "$folder/stor.mdb" ] || { echo "trial $trial: no archive left"; failures=$((failures + 1)); continue; }
    old=$(sqlite3 "$folder/stor.mdb" "select count(*) from STOR where COGN = 'VECCHIO'")
    new=$(sqlite3 "$folder/stor.mdb" "select count(*) from STOR where COGN = 'NUOVO'")
    integrity=$(sqlite3 "$folder/stor.mdb" "pragma integrity_check")
    echo "trial $trial: $old old records, $new new records, integrity $integrity"
    if [ "$integrity" != "ok" ] || ! { [ "$old" -eq "$old_records" ] && [ "$new" -eq 0 ]; } \
        && ! { [ "$old" -eq 0 ] && [ "$new" -eq "$new_records" ]; }; then
        echo "trial $trial: FAIL: the archive is neither the old one nor the new one, whole"
        failures=$((failures + 1))
    fi
done
echo "$kills of $trials trials killed during the import"
[ "$failures" -eq 0 ]
