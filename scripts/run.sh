#!/usr/bin/env bash
# Builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target tagforge-cli

# Until the window lands, show the formatter on a sample message.
sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
printf '[Page1]\r\nColorEffectEnabled=1\r\nColorEffect=2\r\nBold=1\r\nOkEnabled=1\r\n' \
  >"$sample/sample.tfp"
./build/release/cli/tagforge-cli format --profile "$sample/sample.tfp" \
  --text "${1:-Привет, чат! 😀}"
echo
