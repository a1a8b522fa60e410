#!/bin/sh
# Builds the fuzz targets (local tables, settings files, password file) into
# build-fuzz/ and runs each for a bounded time (FUZZ_SECONDS per target,
# default 25) from a generated seed corpus. Exits non-zero when a fuzzer
# finds a crash.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-25}
targets="localtable settings password"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
for target in $targets; do
    cmake --build "$build" --target "$target-fuzz" -j2
done

seeds="$build/seeds"
rm -rf "$seeds"
python3 "$root/fuzz/make_seeds.py" "$seeds"

cd "$build"
for target in $targets; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target-fuzz for $seconds s"
    QT_QPA_PLATFORM=offscreen "./$target-fuzz" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 "$corpus" "$seeds/$target"
done
