#!/usr/bin/env bash
# Usage: cli_test.sh VELOR_CLI PROGRAM_FOLDER
# Runs velor-cli on a private copy of the shipped data and checks outputs and exit statuses.
set -u
cli=$1
shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root"
cp -r "$shipped/Fluids" "$shipped/HeatExch" "$shipped/TechData" "$root/"

passed=0
failed=0
# check NAME EXPECTED_STATUS PATTERN -- COMMAND...: the command exits with EXPECTED_STATUS and its
# standard output and error together match the extended regular expression PATTERN.
check() {
  local name=$1 status=$2 pattern=$3
  shift 4
  local out rc
  out=$("$@" 2>&1)
  rc=$?
  if [ "$rc" = "$status" ] && grep -Eq -- "$pattern" <<<"$out"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name (exit $rc, expected $status; wanted /$pattern/)"
    head -c 2000 <<<"$out"
    echo
  fi
}

duty() { # duty HOT_T_IN COLD_T_OUT [extra top-level fields]
  cat <<JSON
{"hot": {"kind": "liquid", "fluid": "Water", "t_in": $1, "t_out": 75, "p_in": 100, "mass_flow": 1.0628,
         "dp_min": 0, "dp_max": 25},
 "cold": {"fluid": "Water", "t_in": 70, "t_out": $2, "p_in": 100, "mass_flow": 2.3936, "dp_min": 0, "dp_max": 25},
 "heat_load": 200, "fouling": 0, "oversize_min": 0, "series": 1, "parallel": 1, "hot_location": "Tubes",
 "sizes": ["M 20.2000-4", "T 60.2000", "RUV 26.480"]}
JSON
}
duty 120 90 >"$work/duty.json"
duty 120 130 >"$work/bad.json"
grep -v '"heat_load"' "$work/duty.json" >"$work/missing.json"

check "version" 0 '3\.4\.0' -- "$cli" --version
check "help lists commands" 0 'units' -- "$cli" --help
check "unknown command" 2 'unknown command' -- "$cli" frobnicate
check "no command" 2 'no command' -- "$cli"
check "deg.C to deg.F" 0 '^212$' -- "$cli" units convert temperature 100 --from deg.C --to deg.F
check "negative value" 0 '^-40$' -- "$cli" units convert temperature -40 --from deg.C --to deg.F
check "psig offset" 0 '^-14\.7$' -- "$cli" units convert pressure 0 --from kPa --to psig
check "unknown quantity" 2 'valid: heat_load, temperature' -- "$cli" units convert speed 1 --from a --to b
check "unknown unit" 2 'unknown unit .deg\.X' -- "$cli" units convert temperature 1 --from deg.X --to deg.F
check "unit list" 0 'USGal/min' -- "$cli" units list volume_flow
check "fluids list" 0 'Saturated steam' -- "$cli" fluids list --root "$root"
check "water props" 0 '"density": 943\.30' -- "$cli" fluids props Water --t 120 --p 550 --json --root "$root"
check "unknown fluid" 1 '.' -- "$cli" fluids props "No such fluid" --t 20 --root "$root"
check "catalogue types" 0 'RUV D' -- "$cli" catalogue types --root "$root"
check "catalogue show" 0 'RUV 26\.480' -- "$cli" catalogue show "RUV 26.480" --root "$root"
check "rate json" 0 '"SizeName": "M 20\.2000-4"' -- "$cli" rate --duty "$work/duty.json" --json --root "$root"
check "rate json fields" 0 '"VelTubeSpCS"' -- "$cli" rate --duty "$work/duty.json" --json --root "$root"
check "rate failed check" 1 '"marked": "cold_outlet"' -- "$cli" rate --duty "$work/bad.json" --json --root "$root"
check "rate missing field" 2 'heat_load' -- "$cli" rate --duty "$work/missing.json" --json --root "$root"
check "rate missing file" 2 '.' -- "$cli" rate --duty "$work/none.json" --root "$root"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
