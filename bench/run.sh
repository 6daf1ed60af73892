#!/usr/bin/env bash
# Kestrav's performance figures: builds the benchmarks (Release) if needed,
# runs them on Qt's offscreen platform and prints the tables as Markdown.
#
#   bench/run.sh                 build in build-bench/ beside this folder
#   KESTRAV_BENCH_BUILD=dir      another build folder (configured as Release if new)
#   KESTRAV_BENCH_RUNS=n         start-up runs of each program (default 31)
#   KESTRAV_BENCH_REPS=n         repetitions of each action benchmark (default 5)
#
# The start-up figures are medians over interleaved runs of the program and
# of a bare Qt dialog with the same widgets (bench/StartupRunner.cpp). The
# action figures come from Google Benchmark, repetitions interleaved at
# random: medians are the median of the repetitions' medians, worst cases the
# worst single action of all repetitions. Raw output stays in the build
# folder (bench-*.csv, bench-*.log).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KESTRAV_BENCH_BUILD:-$root/build-bench}
runs=${KESTRAV_BENCH_RUNS:-31}
reps=${KESTRAV_BENCH_REPS:-5}
targets=(kestrav_bench_rules kestrav_bench_window kestrav_bench_startup
         kestrav_bench_startup_probe kestrav_bench_bare)

if [[ ! -f $build/CMakeCache.txt ]]; then
    log=$(mktemp)
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRAV_BUILD_BENCHMARKS=ON >"$log" 2>&1 ||
        { cat "$log"; rm -f "$log"; exit 1; }
    rm -f "$log"
fi
grep -q '^KESTRAV_BUILD_BENCHMARKS:BOOL=ON$' "$build/CMakeCache.txt" ||
    cmake -B "$build" -DKESTRAV_BUILD_BENCHMARKS=ON >/dev/null
if ! grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt"; then
    echo "$build is not a Release build; set KESTRAV_BENCH_BUILD to another folder" >&2
    exit 1
fi
ninja -C "$build" -j2 "${targets[@]}" >"$build/bench-build.log" 2>&1 ||
    { tail -40 "$build/bench-build.log"; exit 1; }

export QT_QPA_PLATFORM=offscreen
bin=$build/bin
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- Start-up and memory ----
"$bin/kestrav_bench_startup" "$runs" "$bin/kestrav_bench_startup_probe" "$bin/kestrav_bench_bare" \
    >"$build/bench-startup.txt" 2>"$build/bench-startup.log" ||
    { cat "$build/bench-startup.log"; exit 1; }

# ---- Actions ----
gbench=(--benchmark_min_time=0.05 --benchmark_repetitions="$reps"
        --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
        --benchmark_format=csv)
"$bin/kestrav_bench_rules" "${gbench[@]}" >"$build/bench-rules.csv" 2>"$build/bench-rules.log" ||
    { cat "$build/bench-rules.log"; exit 1; }
"$bin/kestrav_bench_window" "${gbench[@]}" >"$build/bench-window.csv" 2>"$build/bench-window.log" ||
    { cat "$build/bench-window.log"; exit 1; }
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

cpu=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
qt=$(pkg-config --modversion Qt6Widgets 2>/dev/null || echo "6")
echo "Machine: $cpu, $(nproc) cores; Qt $qt, offscreen platform; load average $load_before before, $load_after after."
echo

awk -v runs="$runs" '
    function mib(kb) { return sprintf("%.1f MiB", kb / 1024) }
    {
        unit = ($1 == "peak_rss_kb") ? "mem" : "ms"
        k[$1] = (unit == "mem") ? mib($2) : sprintf("%.0f ms", $2)
        b[$1] = (unit == "mem") ? mib($3) : sprintf("%.0f ms", $3)
        r[$1] = $4
    }
    END {
        print "| Start-up (median of " runs " interleaved runs) | Kestrav | Bare Qt dialog (floor) | Ratio | Aim |"
        print "|---|---|---|---|---|"
        printf "| Process start to first paint of the window | %s | %s | %.2f | at most 1.20 |\n",
            k["startup_paint_ms"], b["startup_paint_ms"], r["startup_paint_ms"]
        printf "| Process start to exit | %s | %s | %.2f | |\n",
            k["startup_exit_ms"], b["startup_exit_ms"], r["startup_exit_ms"]
        printf "| Peak resident memory | %s | %s | %.2f | at most 1.20 |\n",
            k["peak_rss_kb"], b["peak_rss_kb"], r["peak_rss_kb"]
        failed = (r["startup_paint_ms"] > 1.2) + (r["peak_rss_kb"] > 1.2)
        exit failed > 0 ? 3 : 0
    }' "$build/bench-startup.txt" && startup_ok=1 || startup_ok=0
echo

# Reads both CSV files: columns by header name, rows "<family>/manual_time_<statistic>";
# the families in the order the benchmarks list them.
families=$("$bin/kestrav_bench_rules" --benchmark_list_tests | sed 's|/manual_time$||' | paste -sd' ')
awk -F, -v families="$families" '
    function us(v) { return v == "" ? "-" : (v < 10 ? sprintf("%.1f", v) : sprintf("%.0f", v)) }
    FNR == 1 { delete col; for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); col[$i] = i }; next }
    {
        gsub(/"/, "", $1)
        if ($col["error_occurred"] == "true") { errors = errors "\n" $1 ": " $col["error_message"]; next }
        split($1, part, "/manual_time_")
        family = part[1]; stat = part[2]
        for (name in col) if (name ~ /_us$/) v[family, stat, name] = $col[name]
    }
    END {
        n = split(families, order, " ")
        print "| Action (µs per action) | Rules only: median / worst | Rule + refresh: median / p99 / worst | Click to painted frame: median / worst | Qt floor of that frame: median | Frame / floor |"
        print "|---|---|---|---|---|---|"
        worst_median = 0
        for (i = 1; i <= n; i++) {
            f = order[i]
            floor = v[f, "median", "floor_med_us"]
            printf "| %s | %s / %s | %s / %s / %s | %s / %s | %s | %s |\n", f,
                us(v[f, "median", "rules_med_us"]), us(v[f, "max", "rules_max_us"]),
                us(v[f, "median", "refresh_med_us"]), us(v[f, "median", "refresh_p99_us"]),
                us(v[f, "max", "refresh_max_us"]),
                us(v[f, "median", "frame_med_us"]), us(v[f, "max", "frame_max_us"]),
                us(floor), (floor > 0 ? sprintf("%.2f", v[f, "median", "frame_med_us"] / floor) : "-")
            if (v[f, "median", "refresh_med_us"] > worst_median) worst_median = v[f, "median", "refresh_med_us"]
            if (v[f, "median", "frame_med_us"] >= 1000)
                slow_frames = slow_frames sprintf(" %s (%s µs; Qt alone %s µs)", f,
                    us(v[f, "median", "frame_med_us"]), us(floor))
        }
        printf "\nSlowest action, rule + refresh (median): %s µs; aim: well under 1000 µs.\n", us(worst_median)
        if (slow_frames != "") print "Painted frame over 1000 µs (median):" slow_frames "."
        if (errors != "") { print "\nErrors:" errors; exit 2 }
        exit worst_median >= 1000 ? 3 : 0
    }' "$build/bench-rules.csv" "$build/bench-window.csv" && actions_ok=1 || actions_ok=$?

if [[ $actions_ok == 2 ]]; then exit 2; fi
echo
if [[ $startup_ok == 1 && $actions_ok == 1 ]]; then
    echo "The aims for start-up, memory and rule + refresh are met."
else
    echo "Some aims missed (see the ratios above)."
fi
