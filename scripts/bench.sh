#!/usr/bin/env bash
# Builds in release mode and prints the formatter's throughput figures, the load and save times
# of big settings, profiles and catalogues, then the times of a copy and a preview in the window
# on long messages.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$(nproc)" --target tagforge_formatter_bench tagforge_store_bench \
  tagforge_window_bench
./build/bench/tests/bench/tagforge_formatter_bench "$@"
echo
./build/bench/tests/bench/tagforge_store_bench
echo
QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
  ./build/bench/tests/bench/tagforge_window_bench
