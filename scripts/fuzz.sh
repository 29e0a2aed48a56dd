#!/usr/bin/env bash
# Builds the parser fuzzers (clang, libFuzzer, ASan, UBSan) in build-fuzz and runs each
# for the given number of seconds (default 60), one after another at the lowest
# priority. Prints the executions and findings of every target. A finding is kept in
# tests/fuzz/crashes/<name>/, which the normal build's ctest replays.
#   bash scripts/fuzz.sh [seconds] [name ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
(($# > 0)) && shift
build=${VELMOR_FUZZ_BUILD:-build-fuzz}
command -v clang++ >/dev/null || { echo "fuzz.sh: needs clang (apt-get install clang libclang-rt-dev)" >&2; exit 1; }

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMOR_FUZZ=ON \
    -DVELMOR_BUILD_TESTS=OFF -DVELMOR_BUILD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$build" --target fuzzers -j2

names=("$@")
if ((${#names[@]} == 0)); then
    for f in "$build"/fuzz/fuzz_*; do names+=("${f##*/fuzz_}"); done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
summary=()
status=0
for name in "${names[@]}"; do
    work="$build/fuzz/work/$name"
    crashes="tests/fuzz/crashes/$name"
    mkdir -p "$work/corpus" "$crashes"
    # The seeds: real files from data/ and the corpus kept in the repository.
    while IFS= read -r seed; do
        [[ -z "$seed" ]] && continue
        if [[ -d "$seed" ]]; then
            find "$seed" -type f -size -256k -exec cp -n {} "$work/corpus/" \;
        elif [[ -f "$seed" ]]; then
            cp -n "$seed" "$work/corpus/"
        fi
    done <"$build/fuzz/$name.seeds"
    findings() { find "$crashes" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l; }
    before=$(findings)
    started=$(date +%s)
    nice -n 19 "$build/fuzz/fuzz_$name" "$work/corpus" -max_total_time="$seconds" \
        -timeout=60 -report_slow_units=120 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 \
        -artifact_prefix="$crashes/" >"$work/log" 2>&1 || true
    ran=$(($(date +%s) - started))
    after=$(findings)
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
    found=$((after - before))
    ((found > 0)) && status=1
    summary+=("$(printf '%-20s %8ss %12s executions  %d findings' "$name" "$ran" "${execs:-?}" "$found")")
    echo "${summary[-1]}"
done
echo
echo "fuzz.sh: ${#names[@]} targets, ${seconds}s each (logs in $build/fuzz/work/<name>/log)"
printf '%s\n' "${summary[@]}"
exit $status
