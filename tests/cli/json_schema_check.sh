#!/usr/bin/env bash
# Runs the batch program over each kind of data with --json-version 2 and validates every
# document against docs/results-schema.json.
set -euo pipefail
batch=$1
root=$2
schema="$root/docs/results-schema.json"
data="$root/tests/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=(
  "--models all --measures all --compare --trend $data/sys1_tbf.txt"
  "--models GEO,JAM --method ls --compare $data/ntds_tbf.txt"
  "--kind interval --models all --measures accuracy --compare $data/data4_interval.txt"
  "--kind interval --models all --compare $data/tohma_interval.txt"
  "--layout 1 --history hardware --failure-at-end no --models crow-amsaa $data/mil_hdbk_189_tbf.txt"
  "--estimation robust --models all $data/ss4_tbf.txt"
  "--refits skip --models all --measures all $data/ntds_tbf.txt"
  "--refits skip --kind interval --models all --measures accuracy $data/data4_interval.txt"
)
i=0
for run in "${runs[@]}"; do
  i=$((i + 1))
  # shellcheck disable=SC2086
  "$batch" --json --json-version 2 $run > "$work/$i.json" 2> "$work/$i.err"
done
/usr/bin/python3 - "$schema" "$work" "${#runs[@]}" <<'PY'
import json, sys
import jsonschema
schema = json.load(open(sys.argv[1]))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
failed = 0
for i in range(1, int(sys.argv[3]) + 1):
    doc = json.load(open(f"{sys.argv[2]}/{i}.json"))
    for error in validator.iter_errors(doc):
        failed += 1
        print(f"run {i}: {'/'.join(map(str, error.path))}: {error.message}")
sys.exit(1 if failed else 0)
PY
