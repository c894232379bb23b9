#!/usr/bin/env bash
# Runs every benchmark program of the plain build, then the library's scan
# timing under Wine (build/win); each figure beside its baseline from the same
# run.  tools/run-bench.sh BUILD
set -u -o pipefail
build=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
logs="$build/logs"
mkdir -p "$logs"
status=0

for bench in "$build"/plain/bench/*_bench; do
  [ -x "$bench" ] || continue
  [ "$(basename "$bench")" = library_bench ] && continue
  echo "== $(basename "$bench")"
  "$bench" || status=1
done

echo "== library_bench (fastest of 5 repetitions)"
json="$logs/library_bench.json"
if "$build/plain/bench/library_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
     --benchmark_out="$json" --benchmark_out_format=json >"$logs/library_bench.txt" 2>&1; then
  python3 - "$json" <<'PY'
import json, sys
runs = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "min":
        runs[b["run_name"]] = b
def ms(name, key="real_time"):
    return runs[name][key]
bare = "scan/bare_enumeration/real_time"
print(f"scan/bare_enumeration: {ms(bare):.1f} ms real, {ms(bare, 'cpu_time'):.1f} ms cpu")
for name in sorted(n for n in runs if n.startswith("scan/") and n != bare):
    print(f"{name[:-len('/real_time')]}: {ms(name):.1f} ms real ({ms(name) / ms(bare):.2f}x), "
          f"{ms(name, 'cpu_time'):.1f} ms cpu ({ms(name, 'cpu_time') / ms(bare, 'cpu_time'):.2f}x)")
fast10k = ms("time_order/fast/10000/real_time")
rule10k = ms("time_order/selection_rule/10000/real_time")
print(f"time_order/100000: {ms('time_order/fast/100000/real_time'):.2f} ms")
print(f"time_order/10000: {fast10k:.3f} ms, selection rule {rule10k:.1f} ms ({rule10k / fast10k:.0f}x slower)")
load = runs["playlist/load_million_lines/real_time"]
read = ms("playlist/read_whole/real_time")
print(f"playlist/1M lines ({load['file_MB']:.1f} MB): read+split {load['real_time']:.1f} ms "
      f"(read alone {read:.1f} ms), peak heap {load['peak_heap_MB']:.1f} MB = "
      f"{load['peak_per_file_byte']:.2f}x the file size")
PY
else
  echo "library_bench failed, see $logs/library_bench.txt"; tail -20 "$logs/library_bench.txt"; status=1
fi

echo "== scan_timing under Wine (fastest of 5 rounds)"
timing="$build/win/bench/win/scan_timing.exe"
if [ -f "$timing" ]; then
  . "$root/tools/wine-env.sh" "$build"
  folder=$(mktemp -d "$build/wine-scan.XXXXXX")
  # The folder is made on the disk from the program's own list: names in code
  # page 932 stored as Wine stores them (UTF-8), times as 100 ns since 1601.
  wine "$timing" --list 2>/dev/null | python3 -c '
import os, sys
folder = os.fsencode(sys.argv[1])
for line in sys.stdin.buffer:
    write, access, name = line.rstrip(b"\r\n").split(b"\t", 2)
    path = os.path.join(folder, name.decode("cp932").encode("utf-8"))
    open(path, "wb").close()
    ns = lambda filetime: (int(filetime) - 116444736000000000) * 100
    os.utime(path, ns=(ns(access), ns(write)))
' "$folder"
  wine "$timing" "Z:${folder//\//\\}" 2>/dev/null | tr -d '\r' || status=1
  rm -rf "$folder"
else
  echo "$timing is missing: run make windows first"; status=1
fi

echo "== graph timings under Wine (completion to next track, advance over unplayable entries)"
graph_bench="$build/win/bench/win/vexmoor_graph_bench.exe"
if [ -f "$graph_bench" ]; then
  . "$root/tools/wine-env.sh" "$build"
  wine "$graph_bench" 60 1000 >"$logs/graph_bench.txt" 2>&1 </dev/null
  tr -d '\r' <"$logs/graph_bench.txt"
else
  echo "$graph_bench is missing: run make windows first"; status=1
fi

echo "== Media Foundation timings under Wine (completion to next track, advance with two engines)"
session_bench="$build/win/bench/win/vexmoor_session_bench.exe"
if [ -f "$session_bench" ]; then
  . "$root/tools/wine-env.sh" "$build"
  "$root/tools/make-test-media.sh" "$build/media"
  media=$(cd "$build/media" && pwd)
  wine "$session_bench" 30 1000 "Z:${media//\//\\}\\tone.m4a" >"$logs/session_bench.txt" 2>/dev/null </dev/null
  tr -d '\r' <"$logs/session_bench.txt"
else
  echo "$session_bench is missing: run make windows first"; status=1
fi

echo "== footprint of the running player under Wine"
"$root/tools/run-footprint.sh" "$build" "${VEXMOOR_FOOTPRINT_SECONDS:-60}" || status=1
exit $status
