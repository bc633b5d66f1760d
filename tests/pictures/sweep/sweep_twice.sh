#!/usr/bin/env bash
# Runs the truncation sweep twice, with every heap block first filled with 0x00 bytes and then
# with 0xFF bytes (ASan's malloc fill), and compares the two digests: a decoded pixel must come
# from the data, never from memory the decoder did not write.
#   sweep_twice.sh SWEEP-PROGRAM SCRATCH-FOLDER [--full] FOLDER...
set -uo pipefail
sweep=$1
scratch=$2
shift 2
mkdir -p "$scratch"

run() { # run FILL-BYTE DIGEST-FILE ARGUMENTS...
    local fill=$1 digest=$2
    shift 2
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}malloc_fill_byte=$fill:max_malloc_fill_size=2147483647" \
        "$sweep" "$@"
}

full=()
if [ "${1:-}" = --full ]; then
    full=(--full)
    shift
fi
run 0 "$scratch/zeros.digest" "${full[@]}" "$scratch/zeros.digest" "$@" || exit 1
run 255 "$scratch/ones.digest" "${full[@]}" "$scratch/ones.digest" "$@" || exit 1
if ! cmp -s "$scratch/zeros.digest" "$scratch/ones.digest"; then
    echo "decoded pixels depend on the heap fill:"
    diff "$scratch/zeros.digest" "$scratch/ones.digest" | head -n 20
    exit 1
fi
echo "both runs gave the same pixels"
