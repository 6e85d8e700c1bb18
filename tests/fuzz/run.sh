#!/bin/sh
# Builds the native fuzzing target for the component stream reader (clang, libFuzzer, ASan,
# UBSan) in build/fuzz and runs it for SECONDS (default 60) on the seed corpus. New inputs go to
# build/fuzz/corpus, findings to build/fuzz/findings; the seeds in the repository stay untouched.
# Usage: tests/fuzz/run.sh [SECONDS] [extra libFuzzer options...]
set -eu
seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build/fuzz

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=/usr/bin/clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
mkdir -p "$build/corpus" "$build/findings"

# The first folder receives new inputs; the repository's seeds are only read.
exec "$build/stream_fuzz" "$build/corpus" "$here/corpus" \
    -dict="$here/stream.dict" -max_len=16384 -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/" "$@"
