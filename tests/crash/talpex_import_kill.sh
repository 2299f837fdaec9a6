#!/usr/bin/env bash
# Kills the desk (kill -9) in the middle of an import from TALPEX, while the
# new archive is being written, then checks what it left on disk: the
# history archive is either the old one, whole, or the new one, whole, and
# the file is intact.
# Usage: talpex_import_kill.sh OSTRALE-SCENARIO [TRIALS]
set -u
runner=$1
trials=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
killed=0
for trial in $(seq 1 "$trials"); do
    rm -rf "$work/kept"
    "$runner" --keep "$work/kept" "$script" > "$work/out.txt" 2>&1 &
    pid=$!
    folder="$work/kept/import"
    # Wait until the new archive is being written (its log grows), then
    # kill at some moment of the writing.
    for _ in $(seq 1 600); do
        size=$(stat -c %s "$folder/stor.mdb-wal" 2> /dev/null || echo 0)
        [ "$size" -gt 2000000 ] && break
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.05
    done
    sleep "0.$(( RANDOM % 3 ))"
    # On a loaded machine the runner may not have laid down its folder yet:
    # such a trial says nothing about the import and is not counted.
    laid_down=no
    [ -f "$folder/stor.mdb" ] && laid_down=yes
    if kill -9 "$pid" 2> /dev/null; then killed=$((killed + 1)); fi
    wait "$pid" 2> /dev/null
    if [ "$laid_down" = no ]; then
        echo "trial $trial: killed before the folder was laid down, not counted"
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
echo "$killed of $trials trials killed during the import"
[ "$failures" -eq 0 ]
