#!/usr/bin/env bash
# Proves the cluster recipes for real: starts a one-node Slurm cluster on this
# machine (munge with a key of its own, slurmctld and slurmd, all configured in
# a temporary folder), renders a poster as a 4-task array job and its merge,
# and again with GNU parallel on the local cores; both pictures must be
# byte-identical to one single-process run. The same for a film: frame ranges
# as array tasks or parallel jobs, then the encode, decode to the frames of a
# one-process film. Every daemon it starts is stopped
# by its PID on the way out. Needs root and Debian's slurm-wlm, munge and
# parallel; without them it skips (77), except under CI where it fails.
#
#   scripts/check-cluster.sh [BUILD]     (BUILD holds cli/gyrelune-cli; default build)
# CHECK_CLUSTER_KEEP=1 keeps the temporary folder, logs and all.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(readlink -f "${1:-build}")
export GYRELUNE_CLI=${GYRELUNE_CLI:-$build/cli/gyrelune-cli}

skip() {
    echo "check-cluster: skipped: $1" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the daemons need root"
for program in munged slurmctld slurmd sbatch squeue sinfo parallel ffmpeg; do
    command -v "$program" >/dev/null || skip "$program is missing (scripts/setup.sh installs it)"
done
[ -x "$GYRELUNE_CLI" ] || skip "no $GYRELUNE_CLI: build it first"

started=$(date +%s)
work=$(mktemp -d /tmp/gyrelune-cluster.XXXXXX)
chmod 755 "$work"
daemons=()
stopDaemons() {
    local pid
    for pid in "${daemons[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${daemons[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ "${CHECK_CLUSTER_KEEP:-}" ]; then echo "check-cluster: kept $work" >&2; else rm -rf "$work"; fi
}
trap stopDaemons EXIT
trap 'exit 130' INT TERM

# Ports of their own, so that a running cluster or a second check does not clash.
port=$((20000 + ($$ % 1000) * 2))
node=$(hostname -s)

startMunge() {
    mkdir -m 700 "$work/munge"
    dd if=/dev/urandom of="$work/munge/munge.key" bs=1024 count=1 status=none
    chmod 400 "$work/munge/munge.key"
    munged --foreground --force --key-file="$work/munge/munge.key" \
        --socket="$work/munge/socket" --pid-file="$work/munge/pid" \
        --seed-file="$work/munge/seed" --log-file="$work/munge/log" 2>>"$work/munge/log" &
    daemons+=($!)
    waitFor "munge" test -S "$work/munge/socket"
}

writeSlurmConf() {
    mkdir -p "$work/slurm/state" "$work/slurm/spool"
    cat >"$work/slurm/slurm.conf" <<CONF
ClusterName=gyrelune-check
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$work/munge/socket
CredType=cred/munge
StateSaveLocation=$work/slurm/state
SlurmdSpoolDir=$work/slurm/spool
SlurmctldPidFile=$work/slurm/slurmctld.pid
SlurmdPidFile=$work/slurm/slurmd.pid
SlurmctldLogFile=$work/slurm/slurmctld.log
SlurmdLogFile=$work/slurm/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SwitchType=switch/none
MpiDefault=none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
ReturnToService=2
MailProg=/bin/true
SlurmctldTimeout=30
SlurmdTimeout=30
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=check Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
}

startSlurm() {
    writeSlurmConf
    export SLURM_CONF=$work/slurm/slurm.conf
    slurmctld -D -c -f "$SLURM_CONF" 2>"$work/slurm/slurmctld.err" &
    daemons+=($!)
    slurmd -D -f "$SLURM_CONF" 2>"$work/slurm/slurmd.err" &
    daemons+=($!)
    waitFor "the node" nodeIdle
}

nodeIdle() {
    sinfo -h -n "$node" -o %t 2>/dev/null | grep -qx idle
}

# waitFor WHAT COMMAND...: up to 30 s for COMMAND to succeed.
waitFor() {
    local what=$1 tries
    shift
    for ((tries = 0; tries < 300; tries++)); do
        "$@" && return 0
        sleep 0.1
    done
    echo "check-cluster: $what did not come up; logs:" >&2
    tail -n 20 "$work"/munge/log "$work"/slurm/*.err "$work"/slurm/*.log >&2 2>/dev/null || true
    exit 1
}

# sbatch --wait polls every few seconds; this looks ten times a second.
jobState() {
    scontrol -o show job "$1" | sed -n 's/.*JobState=\([A-Z_]*\).*/\1/p'
}
waitForJob() {
    local state
    while :; do
        state=$(jobState "$1")
        case $state in
        COMPLETED) return 0 ;;
        PENDING | CONFIGURING | RUNNING | COMPLETING) sleep 0.1 ;;
        *)
            echo "check-cluster: job $1 ended $state; logs:" >&2
            tail -n 20 "$work"/*.parts/*.log "$work"/*.frames/*.log >&2 2>/dev/null || true
            exit 1
            ;;
        esac
    done
}

same() {
    if cmp -s "$work/single.png" "$1"; then
        echo "check-cluster: $2: byte-identical to one process"
    else
        echo "check-cluster: $2: the picture differs from one process" >&2
        exit 1
    fi
}

# A small poster: a few seconds of work in all.
poster=(--size 320x240 --supersample 2 --points 400000 --seed 7)
startMunge
startSlurm
echo "check-cluster: cluster up after $(($(date +%s) - started)) s"
document=$PWD/desktop/screenshots/demo.atr
"$GYRELUNE_CLI" poster "$document" -o "$work/single.png" "${poster[@]}" --threads 1
submitted=$(recipes/poster-slurm.sh -n 4 "$document" "$work/slurm.png" "${poster[@]}")
mergeJob=$(sed -n 's/^merge: job \([0-9]*\).*/\1/p' <<<"$submitted")
waitForJob "$mergeJob"
same "$work/slurm.png" "Slurm, 4 array tasks and the merge"
recipes/poster-parallel.sh -n 4 "$document" "$work/parallel.png" "${poster[@]}" >/dev/null
same "$work/parallel.png" "GNU parallel, 4 shards"
# A film: frame ranges on the cluster and on parallel's slots, then the
# encode; the decoded frames must be those of the one-process film.
film=(--seconds 2 --fps 10 --size 160x120 --points 40000 --turn Y:360 --quiet)
decoded() {
    ffmpeg -v error -i "$1" -f framemd5 - | grep -v '^#'
}
sameFilm() {
    if [ "$(decoded "$work/single.mp4")" = "$(decoded "$1")" ]; then
        echo "check-cluster: $2: the same decoded frames as one process"
    else
        echo "check-cluster: $2: the film's frames differ from one process" >&2
        exit 1
    fi
}
"$GYRELUNE_CLI" film "$document" -o "$work/single.mp4" "${film[@]}"
submitted=$(recipes/film-slurm.sh -n 3 "$work/slurm.mp4" "$document" "${film[@]}")
encodeJob=$(sed -n 's/^encode: job \([0-9]*\).*/\1/p' <<<"$submitted")
waitForJob "$encodeJob"
sameFilm "$work/slurm.mp4" "Slurm film, 3 array tasks and the encode"
recipes/film-parallel.sh -n 3 "$work/parallel.mp4" "$document" "${film[@]}" >/dev/null
sameFilm "$work/parallel.mp4" "GNU parallel film, 3 tasks"
echo "check-cluster: done in $(($(date +%s) - started)) s"
