#!/bin/sh
# Builds the model file reader fuzzer with clang (libFuzzer, ASan, UBSan) and
# runs it. Usage: fuzz/run_fuzz.sh [seconds] [build folder]
# The corpus grows in <build folder>/corpus (kept out of the repository),
# seeded from fuzz/seeds and the model files of tests/data.
set -e
SECONDS_TO_RUN=${1:-600}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${2:-$ROOT/build-fuzz}
mkdir -p "$OUT/corpus" "$OUT/artifacts"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$ROOT" $(xml2-config --cflags) \
  "$ROOT"/model/*.cpp "$ROOT"/xml/*.cpp "$ROOT"/fuzz/fuzz_reader.cpp \
  $(xml2-config --libs) -o "$OUT/fuzz_reader"
cp -n "$ROOT"/fuzz/seeds/* "$ROOT"/tests/data/*.xml "$OUT/corpus/" 2>/dev/null || true
"$OUT/fuzz_reader" -max_total_time="$SECONDS_TO_RUN" -max_len=20000 -timeout=10 -rss_limit_mb=2048 \
  -dict="$ROOT/fuzz/model.dict" -artifact_prefix="$OUT/artifacts/" -print_final_stats=1 "$OUT/corpus"
