#!/bin/bash
# on_server.sh COMMAND...: runs COMMAND on OSTRALE_TEST_SERVER ("@SERVER@"), skipped without.
if [ -z "${OSTRALE_TEST_SERVER:-}" ]; then
    echo "no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)"
    exit 77
fi
args=()
for a in "$@"; do
    [ "$a" = "@SERVER@" ] && a=$OSTRALE_TEST_SERVER
    args+=("$a")
done
exec "${args[@]}"
