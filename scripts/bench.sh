#!/usr/bin/env bash
# Builds in release mode and prints the formatter's throughput figures.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$(nproc)" --target tagforge_formatter_bench
./build/bench/tests/bench/tagforge_formatter_bench "$@"
