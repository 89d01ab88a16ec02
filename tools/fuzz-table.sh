#!/usr/bin/env bash
# Local libFuzzer run over the table engine (clang, address and undefined
# behaviour sanitizers; the first report stops the run).
# Usage: tools/fuzz-table.sh [seconds]   (default 300)
# New inputs go to build-fuzz/corpus; the seed corpus is only read. A crash
# input is left in build-fuzz/ — add it to platform/table/fuzz/corpus once fixed.
# The inputs that reach new code can join the replayed corpus:
#   table-fuzzer -merge=1 -use_counters=0 <copy of the seed corpus> corpus
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLE_FUZZER=ON > /dev/null
cmake --build build-fuzz --target table-fuzzer
mkdir -p build-fuzz/corpus
cd build-fuzz
./platform/table/fuzz/table-fuzzer -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
  corpus ../platform/table/fuzz/corpus
