# Sourced by the kill tests. kill_trial RUNNER SCRIPT FOLDER READY DELAY: runs SCRIPT, waits (12 s
# at most) for READY, sleeps DELAY's output, kills -9; sets `killed` and `began`.
kill_trial() {
    local runner=$1 script=$2 folder=$3 ready=$4 delay=$5 pid
    rm -rf "$(dirname "$folder")"
    "$runner" --keep "$(dirname "$folder")" "$script" > /dev/null 2>&1 &
    pid=$!
    began=no
    for _ in $(seq 1 600); do
        eval "$ready" && { began=yes; break; }
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.02
    done
    sleep "$(eval "$delay")"
    killed=no
    kill -9 "$pid" 2> /dev/null && killed=yes
    wait "$pid" 2> /dev/null
}
