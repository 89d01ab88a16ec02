#!/usr/bin/env bash
# Installs what is needed and builds everything into build/ (JOBS=N limits
# the parallel jobs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DWARNINGS_AS_ERRORS=ON
cmake --build build --parallel "${JOBS:-$(nproc)}"
