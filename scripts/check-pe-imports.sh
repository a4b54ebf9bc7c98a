#!/usr/bin/env bash
# Checks that a Windows program is a GUI program of the expected machine (i386 or x86-64)
# that imports only Windows system DLLs. Usage: check-pe-imports.sh PROGRAM i386|x86-64
set -u
program=$1 machine=$2
case $machine in
  i386) format=pei-i386 objdump=${OBJDUMP:-i686-w64-mingw32-objdump} ;;
  x86-64) format=pei-x86-64 objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump} ;;
  *) echo "unknown machine $machine"; exit 2 ;;
esac
command -v "$objdump" >/dev/null || objdump=objdump
# The system DLLs a Windows 9x/2000 machine always has.
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll
opengl32.dll glu32.dll msvcrt.dll imm32.dll ole32.dll winmm.dll version.dll"

dump=$("$objdump" -p "$program") || { echo "cannot read $program"; exit 1; }
fail=0
if ! grep -q "file format $format" <<<"$dump"; then
  echo "FAIL: $program is not $format: $(grep -m1 'file format' <<<"$dump")"; fail=1
fi
if ! grep -Eq '^Magic[[:space:]]+010b' <<<"$dump" && [ "$machine" = i386 ]; then
  echo "FAIL: $program is not a PE32 image"; fail=1
fi
if ! grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump"; then
  echo "FAIL: $program is not a Windows GUI program: $(grep -m1 '^Subsystem' <<<"$dump")"; fail=1
fi
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump" | sort -u)
if [ -z "$imports" ]; then
  echo "FAIL: $program imports nothing"; fail=1
fi
echo "imports of $(basename "$program"):" $imports
for dll in $imports; do
  if ! grep -qw -- "$dll" <<<"$allowed"; then
    echo "FAIL: $program imports $dll, which is not a Windows system DLL"; fail=1
  fi
done
# Functions Windows XP lacks that language runtimes pull in (the POSIX thread library's
# clock and the newer synchronisation calls): a program importing one will not start there.
newer="GetTickCount64 InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW
WakeConditionVariable WakeAllConditionVariable InitializeSRWLock AcquireSRWLockExclusive
AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared InitOnceExecuteOnce
InitOnceBeginInitialize GetCurrentProcessorNumber FlsAlloc FlsGetValue FlsSetValue FlsFree"
functions=$(awk '/DLL Name:/ {inside=1; next} /^$/ {inside=0} inside && NF >= 2 {print $NF}' <<<"$dump" | sort -u)
for f in $newer; do
  if grep -qx -- "$f" <<<"$functions"; then
    echo "FAIL: $program imports $f, which Windows XP does not have"; fail=1
  fi
done
exit $fail
