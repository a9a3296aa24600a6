#!/usr/bin/env bash
# Compares the two drawing paths in one run on the display in $DISPLAY: TAGFORGE_GL=on (OpenGL)
# and the default (software). For each: start to first painted frame (median of 9 starts, the two
# paths taking turns), the memory summed over the program's process tree after start, after the
# first preview and after the smiley pane (scripts/bench_memory.sh), and the window benchmark's
# first preview and 1 KB coloured preview (median of 3 runs, taking turns).
#   bench_graphics.sh <build folder with app/tagforge, app/starter and the benchmarks>
set -euo pipefail
build=$1
probe=$build/tests/bench/tagforge_first_frame_probe
window_bench=$build/tests/bench/tagforge_window_bench
modes=(on off)
declare -A frames previews colored memory

median() {
  tr ' ' '\n' | grep -v '^$' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

# One start of a fresh portable copy: "<milliseconds to the first painted frame>".
first_frame() {
  local mode=$1 program pid ms
  program=$(mktemp -d)
  cp "$build/app/tagforge" "$program/"
  cp -r "$build/app/starter" "$program/"
  read -r pid ms < <(TAGFORGE_GL=$mode "$probe" "Orbel TagForge" "$program/tagforge")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do [ -e /proc/"$pid" ] || break; sleep 0.1; done
  rm -rf "$program"
  echo "$ms"
}

echo "(load average $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) processors)"
for _ in $(seq 9); do
  for mode in "${modes[@]}"; do
    frames[$mode]+="$(first_frame "$mode") "
  done
done
for _ in $(seq 3); do
  for mode in "${modes[@]}"; do
    out=$(TAGFORGE_GL=$mode "$window_bench" --quick 2>/dev/null)
    previews[$mode]+="$(sed -n 's/^first preview.*: \([0-9.]*\) ms.*/\1/p' <<<"$out") "
    colored[$mode]+="$(awk '/^A colour per letter/ { on = 1 } on && $1 == 1024 {
                              for (i = 1; i <= NF; ++i) if ($i == "=") { print $(i + 1); exit } }' \
                          <<<"$out") "
  done
done
for mode in "${modes[@]}"; do
  out=$(TAGFORGE_GL=$mode bash "$(dirname "$0")/bench_memory.sh" "$build/app")
  echo "TAGFORGE_GL=$mode:"
  echo "$out"
  memory[$mode]=$(awk -F'RSS' '/^after (start|the first preview|the smiley pane):/ {
                     split($2, f, " "); printf "%s ", f[1] }' <<<"$out")
done

row() {  # row LABEL UNIT ON OFF
  awk -v label="$1" -v unit="$2" -v on="$3" -v off="$4" 'BEGIN {
    printf "%-52s %9.1f %-3s %9.1f %-3s %6.2f\n", label, on, unit, off, unit, (on > 0 ? off / on : 0) }'
}
read -r -a on_memory <<<"${memory[on]}"
read -r -a off_memory <<<"${memory[off]}"
echo
printf "%-52s %13s %13s %6s\n" "" "TAGFORGE_GL=on" "default (off)" "off/on"
row "start to first painted frame (median of 9)" ms \
  "$(median <<<"${frames[on]}")" "$(median <<<"${frames[off]}")"
row "memory after start (RSS, process tree)" MiB "${on_memory[0]}" "${off_memory[0]}"
row "memory after the first preview" MiB "${on_memory[1]}" "${off_memory[1]}"
row "memory after the smiley pane" MiB "${on_memory[2]}" "${off_memory[2]}"
row "first preview, starts the renderer (median of 3)" ms \
  "$(median <<<"${previews[on]}")" "$(median <<<"${previews[off]}")"
row "a 1 KB coloured preview (median of 3)" ms \
  "$(median <<<"${colored[on]}")" "$(median <<<"${colored[off]}")"
