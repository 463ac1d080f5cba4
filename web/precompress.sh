#!/bin/sh
# Writes <file>.gz (gzip -9) and <file>.br (brotli at its best) beside each
# file, for a site that serves them precompressed (README, "В браузере").
# usage: precompress.sh <file>...
set -eu
for file; do
    gzip -9 -n -c "$file" > "$file.gz.tmp"
    mv "$file.gz.tmp" "$file.gz"
    # The largest window brotli has (16 MiB), which browsers decode: the
    # modules are larger than the default 4 MiB one.
    brotli -q 11 -w 24 -f -o "$file.br.tmp" "$file"
    mv "$file.br.tmp" "$file.br"
done
