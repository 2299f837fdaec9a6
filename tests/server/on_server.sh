#!/bin/bash
# on_server.sh COMMAND...: runs COMMAND against the test server named by
# OSTRALE_TEST_SERVER (scripts/test starts a throwaway one); without it the
# test is skipped. "@SERVER@" among the arguments stands for the server.
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
