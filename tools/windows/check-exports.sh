#!/usr/bin/env bash
# Checks the export table of a built ZR2_DLL.dll against the host interface: every exported name
# at its ordinal, Calc also at ordinal 12 (no name, same address as ordinal 5), nothing at ordinals
# 1-3 and nothing else exported; and exactly the entries that the sources define.
#   tools/windows/check-exports.sh ZR2_DLL.dll [SOURCE_FOLDER]   (SOURCE_FOLDER defaults to src/)
set -euo pipefail

dll=${1:?usage: check-exports.sh ZR2_DLL.dll [SOURCE_FOLDER]}
sources=${2:-"$(cd "$(dirname "$0")/../.." && pwd)/src"}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

declare -A expected=(
  [AsciiCalc]=4 [Calc]=5 [RollDice]=6 [GetMistEE]=7 [RegMistEE]=8 [Choice]=9 [Limitation]=10
  [VerInfo]=11 [MoveLinkShell]=13 [GetLinkShell]=14 [ClearLinkShell]=15 [StartLinkShell]=16
  [PutCounterDef]=17 [SetCounterDef]=18 [ZR2_Kegare]=19 [ZR2_Fairy]=20 [ZR2_UpStatus]=21
  [ZR2_MakeBirth]=22)

dump=$("$objdump" -p "$dll")
grep -q 'file format pei-i386' <<<"$dump" || { echo "FAIL $dll is not a 32-bit Windows DLL"; exit 1; }

# "ordinal rva" for every slot of the export address table, "ordinal name" for every name.
base=$(sed -n 's/^Export Address Table -- Ordinal Base \([0-9]*\).*/\1/p' <<<"$dump")
[ -n "$base" ] || { echo "FAIL $dll has no export table"; exit 1; }
addresses=$(awk -v base="$base" '
  /^Export Address Table/ { table = 1; next }
  table && /^$/ { exit }
  table && /Export RVA/ { sub(/.*\+base\[ */, ""); sub(/\]/, ""); print $1, $2 }' <<<"$dump")
names=$(awk -v base="$base" '
  /^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
  table && /^$/ { exit }
  table { gsub(/[][]/, " "); print $1 + base, $2 }' <<<"$dump")

failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
declare -A address_of=() name_of=()
while read -r ordinal rva; do address_of[$ordinal]=$rva; done <<<"$addresses"
while read -r ordinal name; do
  [ -n "$name" ] || continue
  [ -z "${name_of[$ordinal]:-}" ] || fail "ordinal $ordinal has two names"
  name_of[$ordinal]=$name
done <<<"$names"

echo "Export table of $dll (ordinal base $base):"
for ordinal in $(printf '%s\n' "${!address_of[@]}" | sort -n); do
  printf '  %3s  %-16s %s\n' "$ordinal" "${name_of[$ordinal]:-(no name)}" "${address_of[$ordinal]}"
done

for ordinal in 1 2 3; do
  [ -z "${address_of[$ordinal]:-}" ] || fail "ordinal $ordinal is exported"
done
for ordinal in "${!address_of[@]}"; do
  name=${name_of[$ordinal]:-}
  if [ "$ordinal" = 12 ]; then
    [ -z "$name" ] || fail "ordinal 12 has the name $name"
    [ "${name_of[5]:-}" = Calc ] || fail "ordinal 12 is exported without Calc at ordinal 5"
    [ "${address_of[5]:-}" = "${address_of[12]}" ] || fail "ordinals 5 and 12 point to different addresses"
  elif [ -z "$name" ]; then
    fail "ordinal $ordinal is exported without a name"
  elif [ "${expected[$name]:-}" != "$ordinal" ]; then
    fail "$name is exported at ordinal $ordinal (expected ${expected[$name]:-none})"
  fi
done
[ "${name_of[5]:-}" != Calc ] || [ -n "${address_of[12]:-}" ] || fail "Calc is not exported at ordinal 12"

# Exactly the entries the sources define.
defined=$(grep -rhoPz --include='*.cpp' 'ZR2_ENTRY\s+[^;{}()]*ZR2_CALL\s+\K\w+(?=\s*\()' "$sources" |
  tr '\0' '\n' | sort -u)
exported=$(printf '%s\n' "${name_of[@]}" | sort -u)
if [ "$defined" != "$exported" ]; then
  fail "the exported names differ from the entries in $sources:"
  diff <(echo "$defined") <(echo "$exported") | sed -n 's/^< /  defined, not exported: /p; s/^> /  exported, not defined: /p'
fi

count=$(grep -c . <<<"$exported" || true)
if [ "$failures" -gt 0 ]; then
  echo "export check: $failures problems"
  exit 1
fi
echo "export check: ok ($count of ${#expected[@]} entries exported)"
