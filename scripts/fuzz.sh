#!/bin/sh
# Builds the local table fuzz target into build-fuzz/ and runs it for a
# bounded time (FUZZ_SECONDS, default 30) from a generated seed corpus.
# Exits non-zero when the fuzzer finds a crash.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-30}

cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target localtable-fuzz -j2

seeds="$build/seeds"
corpus="$build/corpus"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus"
python3 "$root/fuzz/make_seeds.py" "$seeds"

cd "$build"
QT_QPA_PLATFORM=offscreen ./localtable-fuzz -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 "$corpus" "$seeds"
