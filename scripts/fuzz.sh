#!/usr/bin/env bash
# Runs the libFuzzer targets of the fuzz preset, each for SECONDS (default 60):
# from the committed seeds (fuzz/corpus/<target>/, and examples/ for the form
# state targets), what earlier runs found (build/fuzz/corpus/<target>/) and
# generated inputs too large to commit (60,000-deep nesting, 1 MiB of "["),
# with the dictionary fuzz/bazi.dict. Exit status 1 when any target finds a
# crash, a sanitizer report, a broken property, a leak, a timeout or runaway
# memory; the input is kept in build/fuzz/findings/.
#
#   cmake --preset fuzz && cmake --build --preset fuzz
#   bash scripts/fuzz.sh                 # every target, 60 s each
#   bash scripts/fuzz.sh 600 query       # one target, ten minutes
#   ctest --preset fuzz                  # every target as a test, two at a time
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$source_dir/build/fuzz
if [[ ${1:-} == --build-dir ]]; then
  build_dir=$2
  shift 2
fi
seconds=60
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
all_targets=(form_state_json control_settings calendar_text chart_text lunar_format message_text query span_arguments)
targets=("$@")
((${#targets[@]})) || targets=("${all_targets[@]}")

# A deep nesting of `depth` levels around a form state's value.
nested() { # depth prefix suffix
  python3 -c "import sys; d=int(sys.argv[1]); sys.stdout.write(sys.argv[2] + '['*d + ']'*d + sys.argv[3])" "$@"
}

findings=$build_dir/findings
mkdir -p "$findings"
failed=()
for target in "${targets[@]}"; do
  binary=$build_dir/bin/fuzz_$target
  if [[ ! -x $binary ]]; then
    echo "fuzz.sh: $binary is missing; build the fuzz preset first" >&2
    exit 2
  fi
  corpus=$build_dir/corpus/$target
  mkdir -p "$corpus"
  seeds=("$source_dir/fuzz/corpus/$target")
  # Inputs may be as long as the bound of what they stand for, and longer.
  max_len=65536
  case $target in
    form_state_json | query)
      max_len=1100000 # past the 1 MiB bound of a form state file
      seeds+=("$source_dir/examples")
      generated=$build_dir/generated/$target
      mkdir -p "$generated"
      nested 60000 '{"date": ' '}' > "$generated/deep-date.json"
      nested 60000 '{"date": "2016-03-16", "controls": {"组合框_行1": ' '}}' > "$generated/deep-control.json"
      head -c 1048576 /dev/zero | tr '\0' '[' > "$generated/one-mib-of-brackets.json"
      head -c 1048577 /dev/zero | tr '\0' '[' > "$generated/past-the-bound.json"
      seeds+=("$generated")
      ;;
    control_settings) max_len=140000 ;; # a command-line argument holds at most 128 KiB
  esac
  echo "== fuzz_$target: ${seconds}s, inputs up to $max_len bytes"
  if ! (cd "$findings" && "$binary" "$corpus" "${seeds[@]}" \
      -max_total_time="$seconds" -max_len="$max_len" -dict="$source_dir/fuzz/bazi.dict" \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/$target-" \
      -print_final_stats=1); then
    failed+=("$target")
  fi
done
if ((${#failed[@]})); then
  echo "fuzz.sh: findings in ${failed[*]}; the inputs are in $findings" >&2
  exit 1
fi
echo "fuzz.sh: nothing found in ${targets[*]} (${seconds}s each)"
