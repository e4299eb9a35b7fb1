#!/usr/bin/env bash
# Configures and builds everything into build/ (Ninja, ccache, two jobs).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(pwd)/scripts/install-deps.sh"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
