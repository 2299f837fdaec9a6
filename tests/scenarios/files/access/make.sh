#!/bin/bash
# Makes the Access files of this folder from registers.sql: each "-- file
# NAME" block is run by sqlite3 into a register file, which ostrale-jetwriter
# writes into the Access file NAME.
#   tests/scenarios/files/access/make.sh build/tests/ostrale-jetwriter
set -euo pipefail
writer=$(realpath "${1:?usage: make.sh PATH/TO/ostrale-jetwriter}")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v dir="$work" '/^-- file /{ name = $3; next } name { print > (dir "/" name ".sql") }' \
    "$here/registers.sql"
for sql in "$work"/*.sql; do
    name=$(basename "$sql" .sql)
    sqlite3 "$work/$name.sqlite" < "$sql"
    "$writer" "$work/$name.sqlite" "$here/$name"
    echo "$name"
done
