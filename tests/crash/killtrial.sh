# Sourced by the kill tests: one trial of running a scenario and killing the
# desk (kill -9) in the middle of its work.
#
# kill_trial RUNNER SCRIPT FOLDER READY DELAY
#   Runs the scenario SCRIPT in the background, its program folder kept as
#   FOLDER (FOLDER's parent is emptied first), waits until the command READY
#   succeeds (polled every 0.02 s, 12 s at most) or the runner ends, then for
#   the command DELAY's output in seconds, and kills the runner.
#   Sets `killed` to yes when the runner was still running, and `began` to yes
#   when READY had succeeded: on a loaded machine the runner may not even have
#   laid its folder down in that time, and such a trial says nothing about the
#   work.
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
