#!/usr/bin/env bash
# check-golden.sh CORVANE: runs every golden case of tests/golden through the
# given corvane binary and compares the files it writes (and what it prints)
# with the expected ones, byte for byte but for the log's time stamps. The
# optimised build runs it on the binary it ships.
set -euo pipefail
cd "$(dirname "$0")/.."
corvane=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
cases=0
for input in tests/golden/*/*.sp; do
  directory=$(dirname "$input")
  name=$(basename "$input" .sp)
  run="$work/$name"
  mkdir -p "$run/out" "$run/expected"
  cp "$input" "$run/out/$name.sp"
  options=()
  if [[ -f "$directory/$name.opts" ]] && grep -q no-subckt "$directory/$name.opts"; then
    options+=(--no-subckt)
  fi
  status=0
  "$corvane" -q "${options[@]}" "$run/out/$name.sp" -o "$run/out/$name.lib" \
    >"$run/stdout" 2>"$run/stderr" || status=$?
  # 0, or 1 for the inputs that end in a fatal condition on purpose; a crash
  # or anything else is a failure whatever the files say.
  if ((status > 1)); then
    echo "golden $directory/$name: corvane ended with status $status" >&2
    failed=1
  fi
  rm "$run/out/$name.sp"
  sed -i -E 's/^(STATUS: Translator (started|stopped) at ).*$/\1TIME/' "$run/out/$name.err" 2>/dev/null || true
  cat "$run/stdout" "$run/stderr" >"$run/printed"
  [[ -s "$run/printed" ]] && mv "$run/printed" "$run/out/$name.out"
  # The expected files: the case's own, and its section files, but not
  # those of another case whose name starts with this one's.
  for file in "$directory/$name".lib "$directory/$name".err "$directory/$name".out \
              "$directory/$name"_*.lib; do
    [[ -f "$file" ]] || continue
    stem=$(basename "$file" .lib)
    if [[ "$file" == *_*.lib && "$stem" != "$name" && -f "$directory/$stem.sp" ]]; then
      continue
    fi
    cp "$file" "$run/expected/"
  done
  if ! diff -r "$run/expected" "$run/out" >"$run/diff"; then
    echo "golden $directory/$name differs (< expected, > written):" >&2
    head -40 "$run/diff" >&2
    failed=1
  fi
  cases=$((cases + 1))
done
if ((cases == 0)); then
  echo "no golden cases found" >&2
  exit 1
fi
if ((failed)); then exit 1; fi
echo "$cases golden cases: every file as expected"
