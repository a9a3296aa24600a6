#!/usr/bin/env bash
# Builds in release mode and prints what a user waits for: the formatter building and encoding
# long results, the whole `tagforge-cli format` process on a million letters with a per-letter
# gradient, each against a memcpy of the same output measured in the same run, the load and save
# times of big settings, profiles and catalogues, the times of a copy and a preview in the window
# on long messages (the preview until its page has loaded), and, on both drawing paths
# (TAGFORGE_GL), the real program's start to its first painted frame and the memory it holds after
# its start, its first preview and its smiley pane, summed over its processes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$(nproc)" --target tagforge_formatter_bench tagforge-cli \
  tagforge_store_bench tagforge_window_bench tagforge tagforge_first_frame_probe

bench=./build/bench/tests/bench/tagforge_formatter_bench
cli=./build/bench/cli/tagforge-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== Formatter in process: build plus encoding (x_memcpy: one build in memcpy calls of its output)"
"$bench" --benchmark_out="$work/formatter.json" --benchmark_out_format=json "$@"

# The value of `field` in the JSON object whose "name" is `name` (one object per benchmark).
json_field() {
  awk -v name="\"$2\"" -v field="\"$3\"" '
    index($0, "\"name\": " name ",") { found = 1 }
    found && index($0, field ":") { sub(/.*: /, ""); sub(/,$/, ""); print; exit }' "$1"
}

echo
echo "== tagforge-cli format, 1 000 000 letters, per-letter gradient, UTF-8 output"
"$bench" --write_message="$work/message.txt"
printf '[Page1]\r\nColorEffectEnabled=1\r\nColorEffect=1\r\nGradientBeginColor="FF0000"\r\nGradientEndColor="0000FF"\r\n' \
  >"$work/gradient.tfp"
command=("$cli" format --profile "$work/gradient.tfp" --text-file "$work/message.txt")
bytes=$("${command[@]}" | wc -c)
echo "output: $bytes bytes"
# Processor time (user plus system), as the formatter's figures: on a shared machine the wall
# clock also counts the time spent waiting for a processor.
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --runs 30 --export-json "$work/cli.json" "${command[*]}"
  cli_ms=$(awk '/"user":/ { sub(/.*: /, ""); sub(/,$/, ""); usr = $0 }
                /"system":/ { sub(/.*: /, ""); sub(/,$/, ""); sys = $0 }
                usr != "" && sys != "" { printf "%.2f", (usr + sys) * 1000; exit }' \
    "$work/cli.json")
else
  echo "(hyperfine is missing: apt-get install hyperfine; timing 30 runs with the shell instead)"
  cli_ms=$(
    for _ in $(seq 30); do "${command[@]}" >/dev/null; done
    times | awk 'NR == 2 { gsub(/[ms]/, " "); printf "%.2f", ($1 * 60 + $2 + $3 * 60 + $4) / 30 * 1000 }'
  )
fi

# The memcpy reference of the same run: the benchmark's copy of exactly this output size.
copy_name="BM_MemcpyOfGradientOutput/letters:1000000/iterations:5/manual_time"
memcpy_us=$(json_field "$work/formatter.json" "$copy_name" real_time)
memcpy_bytes=$(json_field "$work/formatter.json" "$copy_name" out_bytes)
build_us=$(json_field "$work/formatter.json" "BM_GradientUtf8/letters:1000000" cpu_time)
if [ -n "$memcpy_us" ] && [ -n "$build_us" ] && [ -n "$cli_ms" ]; then
  awk -v cli="$cli_ms" -v build="$build_us" -v copy="$memcpy_us" -v bytes="$bytes" \
    -v copied="$memcpy_bytes" 'BEGIN {
      printf "memcpy of %d bytes out of cache: %.2f ms (the command printed %d bytes)\n",
        copied, copy / 1000, bytes
      printf "in process, build plus encoding: %.2f ms = %.1f x memcpy\n", build / 1000, build / copy
      printf "whole process: %.2f ms = %.1f x memcpy\n", cli, cli * 1000 / copy
    }'
fi

echo
echo "== Settings, profiles and the ASCII art catalogue: load and save of big data"
./build/bench/tests/bench/tagforge_store_bench

echo
echo "== Window: copy, and preview until the page has loaded, on long messages"
echo "(load average $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) processors)"
QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
  ./build/bench/tests/bench/tagforge_window_bench

echo
echo "== Start-up and memory on both drawing paths: TAGFORGE_GL=on (OpenGL) and the default"
QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash scripts/bench_graphics.sh build/bench
