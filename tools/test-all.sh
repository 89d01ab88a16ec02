#!/usr/bin/env bash
# Installs, builds and runs every test, then all again under the sanitizers
# (JOBS=N limits the parallel jobs of each step).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --test-dir build --no-tests=error --output-on-failure --parallel "${JOBS:-$(nproc)}"
bash tools/test-sanitizers.sh
