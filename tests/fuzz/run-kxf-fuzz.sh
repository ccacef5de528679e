#!/bin/sh
# Runs the beam-file fuzz target for a bounded number of inputs from freshly written valid files.
# Usage: run-kxf-fuzz.sh <fuzz build folder>
set -eu
bin=$1
work="$bin/run"
rm -rf "$work"
mkdir -p "$work/corpus"
"$bin/kxf_seeds" "$work/corpus"
exec "$bin/kxf_fuzz" -seed=1 -runs=20000 -max_total_time=60 -rss_limit_mb=4096 \
  -artifact_prefix="$work/" "$work/corpus"
