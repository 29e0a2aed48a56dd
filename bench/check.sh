#!/usr/bin/env bash
# Runs the word-book and start-up benchmarks briefly (under a minute) and prints each
# figure beside its goal. Exits 1 when a figure is more than twice its goal: timings on
# a shared machine are noisy, so this is a guard against large regressions, not a test.
#   bash bench/check.sh [build-dir]      (default: build)
set -euo pipefail

build=${1:-build}
bench=$build/bench
for b in bench_wordbook bench_wordlist bench_startup; do
    if [[ ! -x $bench/$b ]]; then
        echo "missing $bench/$b: cmake --build $build --target $b" >&2
        exit 2
    fi
done
export VELMORUC_BINARY=${VELMORUC_BINARY:-$(cd "$build" && pwd)/bin/velmoruc}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

QT_QPA_PLATFORM=offscreen "$bench/bench_wordbook" --benchmark_min_time=0.3 \
    --benchmark_filter='BM_(ReadAndDecode|LoadWordBook|OpenBookMemory|SaveWordBook|SaveFloor|SortForeignColumn)(/|$)' \
    --benchmark_out="$out/wordbook.json" --benchmark_out_format=json >/dev/null
QT_QPA_PLATFORM=offscreen "$bench/bench_wordlist" --benchmark_min_time=0.3 \
    --benchmark_out="$out/wordlist.json" --benchmark_out_format=json >/dev/null
"$bench/bench_startup" --benchmark_filter='BM_Startup(VelmorUC|MinimalWindow)/' \
    --benchmark_out="$out/startup.json" --benchmark_out_format=json >/dev/null

python3 - "$out" <<'EOF'
import json, sys

out = sys.argv[1]
runs = {}
for name in ("wordbook", "wordlist", "startup"):
    with open(f"{out}/{name}.json") as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("error_occurred"):
                sys.exit(f"{b['name']}: {b.get('error_message')}")
            runs[b["name"].split("/")[0]] = b

def ms(name):
    return runs[name]["real_time"]

# what, measured, its floor (None: an absolute goal), goal
checks = [
    ("LoadWordBook, 100,000 words", "BM_LoadWordBook", "BM_ReadAndDecode", 3.0),
    ("open into the word list", "BM_OpenBookIntoWordList", "BM_ReadAndDecodeFloor", 4.0),
    ("open into the word list", "BM_OpenBookIntoWordList", None, 60.0),
    ("sort by the foreign column", "BM_SortForeignColumn", None, 40.0),
    ("SaveWordBook, 100,000 words", "BM_SaveWordBook", "BM_SaveFloor", 2.0),
    ("memory of the open book (MB)", "MB", None, 35.0),
    ("start-up to the first window", "BM_StartupVelmorUC", "BM_StartupMinimalWindow", 2.0),
]
print(f"{'path':30} {'time':>10} {'floor':>10} {'figure':>9} {'goal':>8}  state")
failed = False
for what, name, floor, goal in checks:
    if name == "MB":
        value, unit = runs["BM_OpenBookMemory"]["MB"], "MB"
        shown = f"{value:7.1f}MB"
    else:
        value, unit = ms(name), "ms"
        shown = f"{value:7.1f}ms"
    floor_shown = f"{ms(floor):7.2f}ms" if floor else ""
    figure = value / ms(floor) if floor else value
    unit = "x" if floor else unit
    state = "ok" if figure <= goal else ("over" if figure <= 2 * goal else "FAIL")
    failed |= state == "FAIL"
    print(f"{what:30} {shown:>10} {floor_shown:>10} {figure:7.2f}{unit:2} {goal:6.1f}{unit:2}  {state}")
sys.exit(1 if failed else 0)
EOF
