#!/usr/bin/env bash
# Formats every C++ source of the tree with the root .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format -i
