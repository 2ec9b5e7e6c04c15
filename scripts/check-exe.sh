#!/usr/bin/env bash
# Checks a built exe: scripts/check-exe.sh EXE x86_64|i686
# - it imports only Windows system DLLs (the C++ runtime is linked in statically);
# - its PE flags: ASLR (DYNAMIC_BASE) and DEP (NX_COMPAT), high-entropy ASLR on x86_64.
set -euo pipefail
exe=$1 arch=$2
objdump=$arch-w64-mingw32-objdump
headers=$($objdump -p "$exe")

# msvcrt is the system's own C runtime, which mingw-w64 builds on.
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|msvcrt)\.dll$'
status=0
while read -r dll; do
  if ! grep -qiE "$allowed" <<<"$dll"; then
    echo "check-exe: $exe imports $dll, which is not a system DLL" >&2
    status=1
  fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")

flags=$((16#$(awk '/DllCharacteristics/ {print $2}' <<<"$headers")))
need=$((0x40 | 0x100))                  # DYNAMIC_BASE | NX_COMPAT
[ "$arch" = x86_64 ] && need=$((need | 0x20))  # HIGH_ENTROPY_VA
if [ $((flags & need)) -ne $need ]; then
  printf 'check-exe: %s has DllCharacteristics 0x%x, needs 0x%x\n' "$exe" "$flags" "$need" >&2
  status=1
fi
[ $status -eq 0 ] && echo "check-exe: $exe imports $(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$headers")and has flags 0x$(printf %x $flags)"
exit $status
