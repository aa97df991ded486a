#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS
# (default 60), starting from its seed corpus in fuzz/corpus/<name>/ and its
# dictionary fuzz/<name>.dict when there is one. The corpus grows in a work
# folder outside the repository (FUZZ_WORK, default a fresh temporary folder),
# where crash inputs land too. FUZZ_RUNS=N runs N inputs per target instead of
# a time. FUZZ_PARALLEL=N runs N targets at once (default 1); FUZZ_NICE=N
# runs them at that niceness; FUZZ_TARGETS="receive mlx" runs only those.
# Exits non-zero when a target crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
runs=${FUZZ_RUNS:-}
work=${FUZZ_WORK:-$(mktemp -d -t morlix-fuzz.XXXXXX)}
jobs=${FUZZ_JOBS:-$(nproc)}
parallel=${FUZZ_PARALLEL:-1}
niceness=${FUZZ_NICE:-0}
# The file parsers read each input from a scratch file: in memory when the
# machine has a memory file system, so that the disk does not set the pace.
scratch=${TMPDIR:-/tmp}
[[ -d /dev/shm && -w /dev/shm ]] && scratch=/dev/shm

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORLIX_BUILD_FUZZ=ON \
    -DMORLIX_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --parallel "$jobs" --target fuzz >/dev/null

if [[ -n "$runs" ]]; then
    limit=(-runs="$runs" -seed=1)
else
    limit=(-max_total_time="$seconds")
fi

# Runs one target and leaves its one-line summary in its work folder.
run_target() {
    local target=$1 full name corpus artifacts log result executions took
    full=$(basename "$target")
    name=${full#fuzz_}
    corpus="$work/$name/corpus"
    artifacts="$work/$name/artifacts/"
    mkdir -p "$corpus" "$artifacts"
    [[ -d fuzz/corpus/$name ]] && cp -n fuzz/corpus/"$name"/* "$corpus"/
    local options=(-rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts")
    [[ -f fuzz/$name.dict ]] && options+=(-dict="fuzz/$name.dict")
    log="$work/$name/log"
    if TMPDIR="$scratch" nice -n "$niceness" "$target" "${limit[@]}" "${options[@]}" "$corpus" >"$log" 2>&1; then
        result=ok
    else
        result="CRASHED (input and log in $work/$name)"
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1 s/p' "$log" | tail -n 1)
    printf '%-18s %12s executions %8s  corpus %5s  %s\n' "$full" "${executions:-?}" "${took:-}" \
        "$(ls "$corpus" | wc -l)" "$result" >"$work/$name/summary"
}

targets=()
for target in build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    name=$(basename "$target")
    if [[ -n "${FUZZ_TARGETS:-}" && " $FUZZ_TARGETS " != *" ${name#fuzz_} "* ]]; then
        continue
    fi
    targets+=("$target")
done

running=0
for target in "${targets[@]}"; do
    if ((running >= parallel)); then
        wait -n || true
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    name=${name#fuzz_}
    summary=$(cat "$work/$name/summary")
    echo "$summary"
    [[ "$summary" == *CRASHED* ]] && failed=1
done
echo "Work folder: $work"
exit "$failed"
