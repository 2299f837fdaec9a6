#!/bin/bash
# two_desks.sh RUNNER: two desks on one server database at once, then one killed mid-burst.
set -u
RUNNER=$1
PER_DESK=${TWO_DESKS_VOLUNTEERS:-300}
GATE_EVERY=6
GATES=$((PER_DESK / GATE_EVERY))
if [ -z "${OSTRALE_TEST_SERVER:-}" ]; then
    echo "no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)"
    exit 77
fi
WORK=$(mktemp -d /tmp/ostrale-two-desks.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
sql() { psql "$CONN" -Atqc "$1"; }

# The camp both desks find: two associations, the gate volunteers, an open entry for each.
write_setup() {
    {
        echo "sql stor.mdb \"insert into STOR (CODASS, CODVOL, DENOM) values ('X', '1', 'STORICA')\""
        echo "sql asso.mdb \"insert into ASSO (CODASS, DENOM) values ('001', 'ALFA'), ('002', 'BETA'), ('009', 'PORTA')\""
        for k in $(seq 1 $GATES); do
            code=$(printf '009G%03d' "$k")
            echo "sql emervol.mdb \"insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME) values ('$code', 'PORTA', 'GATE', '$k')\""
            echo "sql car.mdb \"insert into CAR (PORTA, CODVOL, COGNOME, ASSOCIAZIONE, MOTIVAZIONE, DATAIN, ORAIN, DATAOUT, ORAOUT, NOTE) values ('P0', '$code', '$code GATE $k', 'PORTA', 'SERVIZIO', '01/01/2024', '08:00', '', '', '')\""
        done
    } > "$WORK/setup.scn"
}

# One desk: registers PER_DESK volunteers, logs a gate exit every GATE_EVERY, acks each in a file.
write_desk() {
    local desk=$1 file=$WORK/desk$1.scn
    {
        echo "file motivazioni_carraia.txt <<END"
        echo "SERVIZIO"
        echo "END"
        echo "start"
        echo "click emergenzaform.cmdok"
        for i in $(seq 1 $PER_DESK); do
            [ $((i % 2)) = 0 ] && assoc=BETA || assoc=ALFA
            echo "menu mnvolainsm"
            echo "set formvol.cmbass $assoc"
            echo "set formvol.cognome DESK$desk"
            echo "set formvol.nome N$i"
            echo "click formvol.cmdregistra"
            echo "expect-no-message"
            echo "file ack/$i <<END"
            echo "END"
            if [ $((i % GATE_EVERY)) = 0 ]; then
                code=$(printf '009G%03d' $((i / GATE_EVERY)))
                echo "menu mnregcar"
                echo "set formcar.codcar P$desk"
                echo "set formcar.cmbcod \"\""
                echo "type formcar.cmbcod $code"
                echo "click formcar.cmdout"
                echo "expect-no-message"
            fi
        done
    } > "$file"
}

# A fresh database of the test server, laid down and set up.
fresh_database() {
    local name=ostrale_two_desks_$$_$1
    psql "$OSTRALE_TEST_SERVER" -Atqc "create database $name template template0 encoding 'UTF8' lc_collate 'C' lc_ctype 'C'"
    CONN="$OSTRALE_TEST_SERVER dbname=$name"
    "$RUNNER" --server "$CONN" --same-database "$WORK/setup.scn" >"$WORK/setup.log" 2>&1 \
        || { cat "$WORK/setup.log"; fail "the set-up did not run"; }
}

# exec makes the background job the desk itself, so that kill -9 hits the desk.
run_desk() {
    exec "$RUNNER" --keep "$WORK/keep$1_$2" --server "$CONN" --same-database "$WORK/desk$1.scn" \
        >"$WORK/desk$1_$2.log" 2>&1
}

# Every run: distinct codes, the counter at the volunteer count, no shared numbers.
check_counts() {
    local expected=$1 found distinct counter
    found=$(sql "select count(*) from EMERVOL where DENOM in ('ALFA', 'BETA')")
    distinct=$(sql "select count(distinct right(CODVOL, 4)) from EMERVOL where DENOM in ('ALFA', 'BETA')")
    counter=$(sql "select value from ostrale_counters where name = 'prossimo_codice_volontario'")
    [ -z "$expected" ] || [ "$found" = "$expected" ] || fail "$found volunteers, expected $expected"
    [ "$distinct" = "$found" ] || fail "$found volunteers with only $distinct distinct numbers"
    [ "$((10#$counter))" = "$found" ] || fail "counter at $counter after $found volunteers"
}

write_setup
write_desk 1
write_desk 2

# Both desks through to the end.
fresh_database full
run_desk 1 full & one=$!
run_desk 2 full & two=$!
wait $one || { tail -3 "$WORK/desk1_full.log"; fail "desk 1 failed"; }
wait $two || { tail -3 "$WORK/desk2_full.log"; fail "desk 2 failed"; }
check_counts $((2 * PER_DESK))
# Each open entry closed once; the other gate's exit starts its own record, never a second exit.
pairs=$(sql "select count(*) from (select CODVOL from CAR group by CODVOL having count(*) = 2
    and count(*) filter (where DATAIN <> '' and DATAOUT <> '') = 1
    and count(*) filter (where DATAIN = '' and DATAOUT <> '') = 1) t")
[ "$pairs" = "$GATES" ] || fail "$pairs of $GATES entries closed once with one exit left open: $(sql "select CODVOL, DATAIN, DATAOUT, PORTA from CAR order by CODVOL, rowid" | head -6 | tr '\n' ' ')"

# Desk 2 killed mid-burst: desk 1 goes on, and every volunteer desk 2 acknowledged is there.
fresh_database kill
run_desk 1 kill & one=$!
run_desk 2 kill & two=$!
for _ in $(seq 1 600); do
    [ "$(ls "$WORK/keep2_kill/desk2/ack" 2>/dev/null | wc -l)" -ge $((PER_DESK / 3)) ] && break
    sleep 0.1
done
kill -9 $two
wait $two 2>/dev/null
wait $one || { tail -3 "$WORK/desk1_kill.log"; fail "desk 1 failed after desk 2 was killed"; }
acknowledged=$(ls "$WORK/keep2_kill/desk2/ack" | wc -l)
[ "$acknowledged" -lt "$PER_DESK" ] || fail "desk 2 ended before it was killed"
stored=$(sql "select count(*) from EMERVOL where COGNOME = 'DESK2'")
for i in $(ls "$WORK/keep2_kill/desk2/ack"); do
    [ "$(sql "select count(*) from EMERVOL where COGNOME = 'DESK2' and NOME = 'N$i'")" = 1 ] \
        || fail "desk 2 acknowledged volunteer N$i, which is not stored"
done
[ "$(sql "select count(*) from EMERVOL where COGNOME = 'DESK1'")" = "$PER_DESK" ] \
    || fail "desk 1 stored $(sql "select count(*) from EMERVOL where COGNOME = 'DESK1'") volunteers"
check_counts ""
echo "desk 2 killed after $acknowledged acknowledged registrations ($stored stored)"

[ $failures = 0 ] && echo "two desks: ok" && exit 0
exit 1
