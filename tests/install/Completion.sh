#!/usr/bin/env bash
# The bash completion of corvanectl, line by line as a user types: commands, subcommands,
# set keys, button functions and macro paths (read from the --data-dir being completed).
#   Completion.sh COMPLETION_FILE CORVANECTL_FOLDER
set -euo pipefail
source "$1"
export PATH="$2:$PATH"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
corvanectl --data-dir "$data" macro folder Games >/dev/null
corvanectl --data-dir "$data" macro add Games/Rapid >/dev/null
corvanectl --data-dir "$data" macro add Games/Reload >/dev/null

fail=0
# expect "WORDS..." "completions, space separated and sorted"
expect() {
  local line=$1 want=$2
  read -ra COMP_WORDS <<<"$line"
  [[ "$line" == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _corvanectl || true
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
  if [[ "$got" != "$want" ]]; then
    echo "FAILED: \"$line\" completes to \"$got\", expected \"$want\""
    fail=1
  fi
}

expect "corvanectl se" "set"
expect "corvanectl --json fi" "firmware"
expect "corvanectl firmware " "info update"
expect "corvanectl autoswitch " "add list remove"
expect "corvanectl set polling=500 lighting.b" "lighting.brightness="
expect "corvanectl set dpi.7." "dpi.7.color= dpi.7.enabled="
expect "corvanectl button " "0 1 2 3 4 5 6"
expect "corvanectl button 2 dpi-" "dpi-cycle dpi-down dpi-lock: dpi-up"
expect "corvanectl --data-dir $data button 2 macro:Games/R" "macro:Games/Rapid macro:Games/Reload"
expect "corvanectl --data-dir $data macro show Games/Ra" "Games/Rapid"
expect "corvanectl profile select " "0 1 2 3 4"
[ $fail -eq 0 ] && echo "completion: all cases passed"
exit $fail
