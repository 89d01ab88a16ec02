#!/usr/bin/env bash
# Local libFuzzer run over the picture decoders and the metafile players
# (clang, address and undefined behaviour sanitizers, any finding fatal).
# Usage: tools/fuzz-pictures.sh [seconds]   (default 300)
# New inputs go to build-fuzz/picture-corpus; the seed corpus is only read. A
# crash input is left in build-fuzz/ — add it to platform/pictures/fuzz/corpus
# once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTURE_FUZZER=ON > /dev/null
cmake --build build-fuzz --target picture-fuzzer
mkdir -p build-fuzz/picture-corpus
cd build-fuzz
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=../platform/pictures/fuzz/lsan.supp \
  ./platform/pictures/fuzz/picture-fuzzer -max_total_time="$seconds" -max_len=65536 \
  -timeout=10 -rss_limit_mb=4096 picture-corpus ../platform/pictures/fuzz/corpus
