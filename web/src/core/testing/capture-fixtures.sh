#!/usr/bin/env bash
# Captures the native program's answers that the fake core replays in unit tests.
#   src/core/testing/capture-fixtures.sh path/to/unitcircle > src/core/testing/fixtures.json
set -euo pipefail
cli=${1:?path to the unitcircle program}
cases=("45|" "|3π/4" "|2.35619449019" "1/0|" "abc|" "90|" "|" "30|")
echo "["
first=1
for lang in en de; do
  for c in "${cases[@]}"; do
    alpha=${c%%|*}; b=${c#*|}
    json=$("$cli" solve --json --lang "$lang" --alpha "$alpha" --b "$b" || true)
    [ $first -eq 1 ] || echo ","
    first=0
    printf '{"alpha": %s, "b": %s, "language": "%s", "json": %s}' \
      "$(printf '%s' "$alpha" | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read()))')" \
      "$(printf '%s' "$b" | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read()))')" \
      "$lang" "$(printf '%s' "$json" | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read()))')"
  done
done
echo "]"
