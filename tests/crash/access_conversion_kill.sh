#!/usr/bin/env bash
# Kills the desk (-9) mid-conversion of Access registers: each stays whole, originals kept.
# Usage: access_conversion_kill.sh OSTRALE-SCENARIO OSTRALE-JETWRITER [TRIALS]
set -u
runner=$1
writer=$2
trials=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/killtrial.sh"

history_records=100000
sqlite3 "$work/stor.sqlite" <<END
create table STOR (CODASS TEXT, CODVOL TEXT, DENOM TEXT, COGN TEXT, NOME TEXT, INDIR TEXT,
    CAP TEXT, CITTA TEXT, PROV TEXT, TEL TEXT, FAX TEXT, MAIL TEXT, SPEC TEXT);
insert into STOR (CODASS, CODVOL, DENOM, COGN, NOME) with recursive n(i) as (select 0 union all
    select i + 1 from n where i < $history_records - 1)
    select 'A' || (i % 50), i, 'ASSOCIAZIONE ' || (i % 50), 'COGNOME', 'N' || i from n;
END
sqlite3 "$work/emervol.sqlite" <<END
create table EMERVOL (CODVOL TEXT, DENOM TEXT, COGNOME TEXT, NOME TEXT, CAMPO TEXT, TENDA TEXT,
    SPEC TEXT, DATAAR TEXT, ORAAR TEXT, DATAPA TEXT, ORAPA TEXT);
insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME) values ('0010001', 'ALFA', 'ROSSI', 'MARIO');
END
"$writer" "$work/emervol.sqlite" "$work/emervol-access.mdb" || exit 1
"$writer" "$work/stor.sqlite" "$work/stor-access.mdb" || exit 1
declare -A rows=([emervol]=1 [stor]=$history_records)
declare -A table=([emervol]=EMERVOL [stor]=STOR)

script="$work/convert.scn"
cat > "$script" <<END
copy $work/emervol-access.mdb emervol.mdb
copy $work/stor-access.mdb stor.mdb
start
expect-message-prefix "Archivi di Access convertiti"
END

failures=0
kills=0
folder="$work/kept/convert"
for trial in $(seq 1 "$trials"); do
    # Kill after the history archive's rows began to be written beside it (some
    # trials let it end); the last kills at once if none has killed it yet.
    delay='echo "$(( RANDOM % 2 )).$(( RANDOM % 10 ))"'
    [ "$trial" -eq "$trials" ] && [ "$kills" -eq 0 ] && delay='echo 0.1'
    kill_trial "$runner" "$script" "$folder" 'compgen -G "$folder/stor.mdb.*.tmp" > /dev/null' \
        "$delay"
    [ "$killed" = yes ] && kills=$((kills + 1))
    if [ "$began" = no ]; then
        echo "trial $trial: killed before the conversion began, not counted"
        continue
    fi
    if [ ! -f "$folder/stor.mdb" ]; then
        echo "trial $trial: FAIL: stor.mdb missing"
        failures=$((failures + 1))
        continue
    fi
    for name in emervol stor; do
        file="$folder/$name.mdb"
        if cmp -s "$file" "$work/$name-access.mdb"; then
            state=original
        elif [ "$(sqlite3 "$file" "pragma integrity_check")" = ok ] \
            && [ "$(sqlite3 "$file" "select count(*) from ${table[$name]}")" = "${rows[$name]}" ]; then
            state=converted
            cmp -s "$folder/$name-access-originale.mdb" "$work/$name-access.mdb" \
                || { echo "trial $trial: FAIL: $name.mdb converted, its original not kept"; failures=$((failures + 1)); }
        else
            echo "trial $trial: FAIL: $name.mdb is neither the original nor the whole register"
            failures=$((failures + 1))
            continue
        fi
        for kept in "$folder/$name"-access-originale*.mdb; do
            [ -e "$kept" ] || continue
            cmp -s "$kept" "$work/$name-access.mdb" \
                || { echo "trial $trial: FAIL: $(basename "$kept") is not the original"; failures=$((failures + 1)); }
        done
        echo "trial $trial: $name.mdb $state"
    done
done
echo "$kills of $trials trials killed during the conversion"
# A run whose every kill came after the conversion ended has proved nothing.
[ "$kills" -gt 0 ] || { echo "FAIL: no trial killed the desk during the conversion"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
