#!/bin/sh
# Times `sigillo-cli encrypt --output` of a 128 MiB file against the same work done
# draw by draw (plain-encrypt), and checks that both wrote the same bytes.
set -eu
cli=${1:-build-release/src/cli/sigillo-cli}
plain=$(dirname "$(dirname "$(dirname "$cli")")")/bench/plain-encrypt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c $((128 * 1024 * 1024)) /dev/urandom >"$work/in"
printf 'benchmark\n' >"$work/pw"
sync

seconds() { # command...
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

# Best of three runs each, starting from a quiet disk.
best() { # command...
  b=""
  for _ in 1 2 3; do
    rm -f "$work/out"
    sync
    t=$(seconds "$@")
    if [ -z "$b" ] || [ "$(echo "$t < $b" | bc -l)" = 1 ]; then b=$t; fi
  done
  echo "$b"
}
fast=$(best "$cli" encrypt --password-file "$work/pw" --output "$work/out" "$work/in")
cp "$work/out" "$work/fast"
slow=$(best "$plain" "$work/pw" "$work/in" "$work/out")
cp "$work/out" "$work/slow"
cmp -s "$work/fast" "$work/slow" || { echo "outputs differ" >&2; exit 1; }
printf 'sigillo-cli encrypt --output, 128 MiB: %.2f s (%.0f MB/s)\n' "$fast" "$(echo "134.217728 / $fast" | bc -l)"
printf 'draw by draw, 128 MiB:                 %.2f s (%.0f MB/s)\n' "$slow" "$(echo "134.217728 / $slow" | bc -l)"
printf 'speed-up: %.1fx\n' "$(echo "$slow / $fast" | bc -l)"
