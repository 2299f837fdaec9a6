#!/bin/bash
# start_on_server.sh OSTRALE: the desk itself on a server, first start, next start, unreachable.
set -u
OSTRALE=$1
WORK=$(mktemp -d /tmp/ostrale-start.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
name=ostrale_start_$$
psql "$OSTRALE_TEST_SERVER" -Atqc "create database $name template template0 encoding 'UTF8' lc_collate 'C' lc_ctype 'C'" || exit 1
CONN="$OSTRALE_TEST_SERVER dbname=$name"
sql() { psql "$CONN" -Atqc "$1"; }

# Inside the virtual display: start the desk, wait for its first window, Enter on it or leave it.
cat > "$WORK/desk.sh" <<'END'
#!/bin/bash
"$@" > /dev/null 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --pid "$pid" > /dev/null 2>&1 &
finder=$!
for _ in $(seq 1 100); do kill -0 "$finder" 2> /dev/null || break; sleep 0.1; done
kill "$finder" 2> /dev/null
sleep 0.5
[ -n "${PRESS_ENTER:-}" ] && xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2> /dev/null; then
    echo running
    kill "$pid"
else
    wait "$pid"
    echo "ended $?"
fi
END
chmod +x "$WORK/desk.sh"
desk() { env -u QT_QPA_PLATFORM xvfb-run -a "$WORK/desk.sh" "$@"; }

# First start with --server: tables, counters, server.txt; the desk runs.
state=$(desk "$OSTRALE" --server "$CONN" "$WORK/desk")
[ "$state" = running ] || fail "the first start on the server did not keep running ($state)"
[ "$(sql "select count(*) from pg_tables where tablename in ('asso', 'emervol', 'stor', 'auto', 'car', 'pass', 'ostrale_counters')")" = 7 ] \
    || fail "the registers' tables were not made on the server"
[ "$(head -n 1 "$WORK/desk/server.txt" 2> /dev/null | tr -d "\r")" = "$CONN" ] || fail "server.txt does not name the server"
for register in asso emervol stor auto car pass; do
    [ -e "$WORK/desk/$register.mdb" ] && fail "$register.mdb was made in the folder"
done

# The next start reads server.txt and finds the tables made.
sql "insert into emervol (codvol, cognome) values ('0010001', 'ROSSI')"
state=$(desk "$OSTRALE" "$WORK/desk")
[ "$state" = running ] || fail "the start from server.txt did not keep running ($state)"
[ "$(sql "select cognome from emervol")" = ROSSI ] || fail "the second start changed the volunteers"
[ -e "$WORK/desk/emervol.mdb" ] && fail "the second start made emervol.mdb in the folder"

# An unreachable server: one message, then the desk ends, its folder as it was.
state=$(PRESS_ENTER=1 desk "$OSTRALE" --server "host=$WORK/nowhere dbname=x" "$WORK/unreached")
[ "$state" = "ended 1" ] || fail "the desk did not end after the unreachable server's message ($state)"
[ -z "$(ls -A "$WORK/unreached" 2> /dev/null)" ] || fail "the unreachable start wrote into its folder"

psql "$OSTRALE_TEST_SERVER" -Atqc "drop database $name" > /dev/null
[ "$failures" -eq 0 ] && echo "ok: the desk on a server"
[ "$failures" -eq 0 ]
