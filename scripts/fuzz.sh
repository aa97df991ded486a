#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS
# (default 60), starting from its seed corpus in fuzz/corpus/<name>/ and its
# dictionary fuzz/<name>.dict when there is one. The corpus grows in a work
# folder outside the repository (FUZZ_WORK, default a fresh temporary folder),
# where crash inputs land too. FUZZ_RUNS=N runs N inputs per target instead of
# a time. Exits non-zero when a target crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
runs=${FUZZ_RUNS:-}
work=${FUZZ_WORK:-$(mktemp -d -t morlix-fuzz.XXXXXX)}
jobs=${FUZZ_JOBS:-$(nproc)}

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

failed=0
for target in build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    full=$(basename "$target")
    name=${full#fuzz_}
    corpus="$work/$name/corpus"
    artifacts="$work/$name/artifacts/"
    mkdir -p "$corpus" "$artifacts"
    [[ -d fuzz/corpus/$name ]] && cp -n fuzz/corpus/"$name"/* "$corpus"/
    options=(-rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts")
    [[ -f fuzz/$name.dict ]] && options+=(-dict="fuzz/$name.dict")
    log="$work/$name/log"
    if "$target" "${limit[@]}" "${options[@]}" "$corpus" >"$log" 2>&1; then
        result=ok
    else
        result="CRASHED (input and log in $work/$name)"
        failed=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1 s/p' "$log" | tail -n 1)
    printf '%-18s %12s executions %8s  corpus %5s  %s\n' "$full" "${executions:-?}" "${took:-}" \
        "$(ls "$corpus" | wc -l)" "$result"
done
echo "Work folder: $work"
exit "$failed"
