#!/bin/sh
# Makes the TALPEX export files of the import scenarios from rows.sql:
#   export-desk.sqlite  both tables in the desk's own format (its field order)
#   assoesp.mdb         ASSO saved as Access 2000 (Jet 4), its own column order
#   voloesp.mdb         VOLO saved as Access 2000 (Jet 4), its own column order
#   voloesp-cut.mdb     voloesp.mdb cut short in the middle of a page (damaged)
# Usage: make.sh [path of ostrale-jetwriter] (default: build/tests/ostrale-jetwriter)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
writer=${1:-$here/../../../../build/tests/ostrale-jetwriter}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

t="TEXT COLLATE NOCASE"
rm -f "$here/export-desk.sqlite"
{
    echo "create table ASSO (CODASS $t, DENOM $t, INDIR $t, CAP $t, CITTA $t, PROV $t, TEL $t,
        FAX $t, MAIL $t, CAMPO $t, NVOLIN INTEGER, NUMVOL INTEGER, CFISC $t, SPEC $t, DATA1 $t,
        DATAU $t, RESP $t, TELRESP $t, NOTE3 $t, NOTE $t, NOTE2 $t, NUMPROG $t);"
    echo "create index ASSO_BY_CODASS on ASSO (CODASS); create index ASSO_BY_DENOM on ASSO (DENOM);"
    echo "create table VOLO (CODVOL $t, CODASS $t, COGN $t, NOME $t, INDIR $t, CAP $t, CITTA $t,
        PROV $t, TEL $t, FAX $t, MAIL $t, SPEC $t, CODFISC $t, DATANA $t, LUOGONA $t, PROVNA $t,
        NOTE $t, NOTE2 $t, NOTE3 $t);"
    echo "create index VOLO_BY_CODASS_COGN on VOLO (CODASS, COGN);"
    cat "$here/rows.sql"
} | sqlite3 "$here/export-desk.sqlite"

# TALPEX's own layout: fewer columns, in another order.
{
    echo "create table ASSO (NOTE TEXT, DENOM TEXT, MAIL TEXT, CODASS TEXT, NUMVOL INTEGER,
        INDIR TEXT, CAP TEXT, CITTA TEXT, PROV TEXT, TEL TEXT, FAX TEXT);"
    echo "create table VOLO (COGN TEXT, NOME TEXT, NOTE TEXT, SPEC TEXT, CODVOL TEXT, CODASS TEXT);"
    cat "$here/rows.sql"
} | sqlite3 "$work/talpex.sqlite"
"$writer" "$work/talpex.sqlite" "$here/assoesp.mdb" ASSO
"$writer" "$work/talpex.sqlite" "$here/voloesp.mdb" VOLO
head -c 30000 "$here/voloesp.mdb" > "$here/voloesp-cut.mdb"
