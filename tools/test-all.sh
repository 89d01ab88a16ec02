#!/usr/bin/env bash
# Installs, builds and runs every test, then all again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --test-dir build --no-tests=error --output-on-failure --parallel "$(nproc)"
bash tools/test-sanitizers.sh
