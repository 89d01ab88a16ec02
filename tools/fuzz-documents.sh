#!/usr/bin/env bash
# Local libFuzzer run over the designer's documents and language files: read,
# written back, applied to the main window offscreen and drawn (clang, address
# and undefined behaviour sanitizers, any finding fatal).
# Usage: tools/fuzz-documents.sh [seconds]   (default 300)
# Every library is built with the fuzzer's coverage, so this has a build
# folder of its own, build-fuzz-documents. New inputs go to its corpus; the
# seed corpus is only read. A crash input is left in build-fuzz-documents/ —
# add it to calendar/documents/fuzz/corpus once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
cmake -S . -B build-fuzz-documents -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOCUMENT_FUZZER=ON > /dev/null
cmake --build build-fuzz-documents --parallel "${JOBS:-4}" --target document-fuzzer
mkdir -p build-fuzz-documents/corpus
cd build-fuzz-documents
# Picture lines of an input name files relative to here: an empty folder.
mkdir -p pictures
cd pictures
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=../../tools/lsan-qt.supp \
  ../calendar/documents/fuzz/document-fuzzer -max_total_time="$seconds" -max_len=16384 -timeout=10 \
  -rss_limit_mb=4096 -artifact_prefix=../ -print_final_stats=1 -dict=../../calendar/documents/fuzz/documents.dict \
  ../corpus ../../calendar/documents/fuzz/corpus
