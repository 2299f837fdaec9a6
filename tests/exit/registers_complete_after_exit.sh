#!/usr/bin/env bash
# After "Fine" every register file is complete alone: no write-ahead log is left beside it.
# Usage: registers_complete_after_exit.sh OSTRALE-SCENARIO
set -eu
runner=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/exit.scn" <<'END'
sql stor.mdb "insert into STOR (CODASS, CODVOL, DENOM) values ('A', '1', 'ALFA')"
sql asso.mdb "insert into ASSO (CODASS, DENOM) values ('001', 'ALFA')"
start
click emergenzaform.cmdok
menu mnvolainsm
choose formvol.cmbass ALFA
set formvol.cognome ROSSI
click formvol.cmdregistra
expect-no-message
menu mnfine
END
"$runner" --keep "$work/kept" "$work/exit.scn"
folder="$work/kept/exit"
leftover=$(ls "$folder" | grep -E -- '-(wal|shm)$' || true)
if [ -n "$leftover" ]; then
    echo "FAIL: write-ahead files left after the program ended: $leftover"
    exit 1
fi
mkdir "$work/copy"
cp "$folder/emervol.mdb" "$work/copy/"
found=$(sqlite3 "$work/copy/emervol.mdb" "select CODVOL || '|' || COGNOME from EMERVOL")
if [ "$found" != "0010000|ROSSI" ]; then
    echo "FAIL: the copied emervol.mdb holds '$found', expected '0010000|ROSSI'"
    exit 1
fi
echo "ok: no write-ahead files, the copied register holds the record"
