#!/usr/bin/env bash
# Runs every benchmark on a built tree and prints the figures with their aims.
#   bench/run.sh [BUILD_DIR]        (make bench does the build first)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
bench=$build/bench
cd "$build" # the windows find their pictures beside the program

for program in bench_model bench_windows bench_games bench_import bench_statistics bench_advice bench_tables bench_memory bench_bare_dialog bench_bare_label startup_probe; do
    [ -x "$bench/$program" ] || { echo "bench: $bench/$program is missing (make bench builds it)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "bench: Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }

# result NAME FILE: the value of the "RESULT NAME value unit" line a benchmark printed.
result() { awk -v name="$1" '$1 == "RESULT" && $2 == name { print $3 }' "$2"; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
logs=$(mktemp -d)
. "$here/../tests/support/private-x.sh"
cleanup() { stop_private_x; rm -rf "$logs"; }
trap cleanup EXIT

build_type=$(awk -F= '/^CMAKE_BUILD_TYPE:/ { print $2 }' "$build/CMakeCache.txt")
qt_dir=$(awk -F= '/^Qt6Core_DIR:/ { print $2 }' "$build/CMakeCache.txt")
qt_version=$(cat "$qt_dir"/Qt6CoreConfigVersion*.cmake 2>/dev/null | awk -F'"' '/set\(PACKAGE_VERSION / { print $2; exit }')
cpu=$(awk -F': ' '/^model name/ { name = $2 } /^cpu family/ { family = $2 } /^model\t/ { model = $2 }
    END { printf "%s (family %s, model %s)", name, family, model }' /proc/cpuinfo)
echo "Machine: $(nproc) cores, $cpu, $(awk '/^MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM," \
    "$(. /etc/os-release && echo "$PRETTY_NAME"), Qt ${qt_version:-?}, $build_type build"
echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

echo "== One entry through the model"
"$bench/bench_model" --runs 7 --entries 100000 | tee "$logs/model"
echo
echo "== One entry through the real windows (offscreen platform)"
"$bench/bench_windows" --runs 5 --entries 2000 2>&1 | grep -v '^QStandardPaths' | tee "$logs/windows"
echo
echo "== The journal of a game: one event written, a game of 100,000 draws read back"
"$bench/bench_games" --events 2000 --draws 100000 --runs 7 | tee "$logs/games"
echo
echo "== A file of 1,242,616 published spins imported until every window shows it (offscreen platform)"
for run in 1 2 3; do "$bench/bench_import" --draws 1242616 --seed $((20240607 + run)) 2>&1 | grep -v '^QStandardPaths'; done | tee "$logs/import"
echo
echo "== The statistics after one entry at 100,000 draws (offscreen platform)"
"$bench/bench_statistics" --runs 5 --entries 100000 2>&1 | grep -v '^QStandardPaths' | tee "$logs/statistics"
echo
echo "== The account of the advice over 1,242,616 draws, then after one entry (offscreen platform)"
"$bench/bench_advice" --runs 3 --draws 1242616 --probes 1000 2>&1 | grep -v '^QStandardPaths' | tee "$logs/advice"
echo "== Several tables of 100,000 draws on the windows (offscreen platform)"
"$bench/bench_tables" --draws 100000 2>&1 | grep -v '^QStandardPaths' | tee "$logs/tables"
"$bench/bench_tables" --draws 100000 --memory 1 2>&1 | grep -v '^QStandardPaths' | tee -a "$logs/tables"
echo
echo "== Start-up to the disclaimer on the screen (private Xvfb)"
start_private_x
LC_ALL=C.UTF-8 "$bench/startup_probe" 21 \
    "$bench/bench_bare_dialog" "$build/tambrel" "$bench/bench_bare_label" | tee "$logs/startup"
stop_private_x
echo
echo "== Peak resident memory over a long game"
for run in 1 2 3; do "$bench/bench_memory" --windows 0 --entries 100000 --seed $((20240607 + run)); done | tee "$logs/memory"
"$bench/bench_memory" --windows 1 --entries 100000 2>&1 | grep -v '^QStandardPaths' | tee "$logs/memory-windows"

model=$(result model_entry_us "$logs/model")
rebuild=$(result model_rebuild_ms "$logs/model")
windows=$(result windows_entry_us "$logs/windows")
with_journal=$(result windows_journal_entry_us "$logs/windows")
without_journal=$(result windows_no_journal_entry_us "$logs/windows")
undo=$(result windows_undo_ms "$logs/windows")
list=$(result windows_list_ms "$logs/windows")
windows_cpu=$(result windows_entry_cpu_us "$logs/windows")
journal=$(result journal_event_us "$logs/games")
journal_cpu=$(result journal_event_cpu_us "$logs/games")
journal_read=$(result journal_read_100000_ms "$logs/games")
bare=$(result startup_ms_1 "$logs/startup")
tambrel=$(result startup_ms_2 "$logs/startup")
label=$(result startup_ms_3 "$logs/startup")
bare_cpu=$(result startup_cpu_ms_1 "$logs/startup")
tambrel_cpu=$(result startup_cpu_ms_2 "$logs/startup")
bare_main_cpu=$(result startup_main_cpu_ms_1 "$logs/startup")
tambrel_main_cpu=$(result startup_main_cpu_ms_2 "$logs/startup")
growth=$(result memory_model_growth_kb "$logs/memory" | median)
first=$(result memory_model_first_kb "$logs/memory" | median)
all=$(result memory_model_all_kb "$logs/memory" | median)
windows_growth=$(result memory_windows_growth_kb "$logs/memory-windows")
import_shown=$(result import_shown_ms "$logs/import" | median)
import_cpu=$(result import_shown_cpu_ms "$logs/import" | median)
import_peak=$(result import_peak_kb "$logs/import" | sort -g | tail -1)
import_progress=$(result import_progress_shown "$logs/import" | sort -g | head -1)
statistics_model=$(result statistics_model_figures_us "$logs/statistics")
statistics_window=$(result statistics_window_entry_us "$logs/statistics")
advice_alone=$(result advice_account_alone_ms "$logs/advice")
advice_window=$(result advice_account_window_ms "$logs/advice")
advice_replay=$(result advice_account_replay_ms "$logs/advice")
advice_replay_cpu=$(result advice_account_replay_cpu_ms "$logs/advice")
advice_entry=$(result advice_account_entry_us "$logs/advice")
advice_total=$(awk -v a="$advice_alone" -v w="$advice_window" 'BEGIN { print a + w }')
tables_switch=$(result tables_switch_ms "$logs/tables")
tables_eight=$(result tables_entry_eight_us "$logs/tables")
tables_one=$(result tables_entry_one_us "$logs/tables")
tables_memory=$(result tables_memory_kb "$logs/tables")

# verdict MEASURED AIM: "met" when the measured figure is below its aim.
verdict() { awk -v m="$1" -v a="$2" 'BEGIN { print (m < a ? "met" : "MISSED") }'; }
ratio=$(awk -v t="$tambrel" -v b="$bare" 'BEGIN { printf "%.2f", t / b }')
journal_ratio=$(awk -v w="$with_journal" -v o="$without_journal" 'BEGIN { printf "%.3f", w / o }')
label_ratio=$(awk -v t="$label" -v b="$bare" 'BEGIN { printf "%.2f", t / b }')
cpu_ratio=$(awk -v t="$tambrel_cpu" -v b="$bare_cpu" 'BEGIN { printf "%.2f", t / b }')
echo
echo "== Figures (medians) against their aims"
printf '%-36s %-34s %-16s %s\n' "figure" "measured" "aim" "result"
printf '%-36s %-34s %-16s %s\n' "model: one entry" "$(printf '%.2f us' "$model")" "under 2 us" "$(verdict "$model" 2)"
printf '%-36s %-34s %-16s %s\n' "model: 100,000 draws rebuilt" "$(printf '%.1f ms' "$rebuild")" "under 100 ms" "$(verdict "$rebuild" 100)"
printf '%-36s %-34s %-16s %s\n' "windows: Yes to all repainted" \
    "$(printf '%.0f us (CPU %.0f us)' "$windows" "$windows_cpu")" "under 1000 us" "$(verdict "$windows" 1000)"
printf '%-36s %-34s %-16s %s\n' "windows: with / without journal" \
    "$(printf '%.0f / %.0f us = %sx' "$with_journal" "$without_journal" "$journal_ratio")" "within 1.10x" "$(verdict "$journal_ratio" 1.10)"
printf '%-36s %-34s %-16s %s\n' "windows: undo in 10,000 draws" "$(printf '%.1f ms' "$undo")" "under 50 ms" "$(verdict "$undo" 50)"
printf '%-36s %-34s %-16s %s\n' "windows: a list of 10,000 added" "$(printf '%.0f ms' "$list")" "under 1000 ms" "$(verdict "$list" 1000)"
printf '%-36s %-34s %-16s %s\n' "journal: one event written" \
    "$(printf '%.0f us (CPU %.0f us)' "$journal" "$journal_cpu")" "under 80 us" "$(verdict "$journal" 80)"
printf '%-36s %-34s %-16s %s\n' "journal: 100,000 draws read back" \
    "$(printf '%.1f ms' "$journal_read")" "under 50 ms" "$(verdict "$journal_read" 50)"
printf '%-36s %-34s %-16s %s\n' "import: 1,242,616 numbers shown" \
    "$(printf '%.0f ms (CPU %.0f ms)' "$import_shown" "$import_cpu")" "under 2000 ms" "$(verdict "$import_shown" 2000)"
printf '%-36s %-34s %-16s %s\n' "import: peak resident memory" \
    "$(printf '%.0f MB' "$(awk -v k="$import_peak" 'BEGIN { print k / 1024 }')")" "under 200 MB" \
    "$(verdict "$(awk -v k="$import_peak" 'BEGIN { print k / 1024 }')" 200)"
printf '%-36s %-34s %-16s %s\n' "import: progress bar with Annuler" \
    "$([ "$import_progress" = 1 ] && echo "shown in every run" || echo "not shown")" "shown (> 0.5 s)" \
    "$([ "$import_progress" = 1 ] && echo met || echo MISSED)"
printf '%-36s %-34s %-16s %s\n' "statistics: model, one entry" \
    "$(printf '%.2f us' "$statistics_model")" "under 100 us" "$(verdict "$statistics_model" 100)"
printf '%-36s %-34s %-16s %s\n' "statistics: window refreshed, painted" \
    "$(printf '%.0f us' "$statistics_window")" "under 1000 us" "$(verdict "$statistics_window" 1000)"
printf '%-36s %-34s %-16s %s\n' "advice account: 1,242,616 draws" \
    "$(printf '%.0f ms + window %.0f ms' "$advice_alone" "$advice_window")" "under 1000 ms" "$(verdict "$advice_total" 1000)"
printf '%-36s %-34s %-16s %s\n' "advice account: one entry, painted" \
    "$(printf '%.0f us' "$advice_entry")" "under 1000 us" "$(verdict "$advice_entry" 1000)"
tables_ratio=$(awk -v e="$tables_eight" -v o="$tables_one" 'BEGIN { printf "%.3f", e / o }')
printf '%-36s %-34s %-16s %s\n' "tables: switch, 100,000 draws each" "$(printf '%.1f ms' "$tables_switch")" "under 20 ms" "$(verdict "$tables_switch" 20)"
printf '%-36s %-34s %-16s %s\n' "tables: entry with 8 open / one" \
    "$(printf '%.0f / %.0f us = %sx' "$tables_eight" "$tables_one" "$tables_ratio")" "within 1.10x" "$(verdict "$tables_ratio" 1.10)"
printf '%-36s %-34s %-16s %s\n' "tables: memory, 8 of 100,000 draws" "$(printf '%.0f kB' "$tables_memory")" "under 102400 kB" "$(verdict "$tables_memory" 102400)"
printf '%-36s %-34s %-16s %s\n' "start-up: disclaimer / bare dialog" \
    "$(printf '%.1f / %.1f ms = %sx' "$tambrel" "$bare" "$ratio")" "within 1.25x" "$(verdict "$ratio" 1.25)"
printf '%-36s %-34s %-16s %s\n' "memory: growth over 100,000 entries" \
    "$(printf '%.0f kB (%s to %s kB)' "$growth" "$first" "$all")" "under 1024 kB" "$(verdict "$growth" 1024)"
echo
printf 'For reference: a bare dialog with one label starts in %.1f ms (%sx the empty dialog);\n' "$label" "$label_ratio"
printf 'start-up in processor time, whatever the load: %.1f ms against %.1f ms = %sx' "$tambrel_cpu" "$bare_cpu" "$cpu_ratio"
printf ' (on the main thread %.1f against %.1f ms);\n' "$tambrel_main_cpu" "$bare_main_cpu"
printf 'through the windows, memory grows %s kB over 100,000 entries;\n' "$windows_growth"
printf 'the whole table (every part, the account included) replays 1,242,616 draws in %.0f ms (CPU %.0f ms).\n' \
    "$advice_replay" "$advice_replay_cpu"
echo "Load average after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
