#!/bin/sh
# The module as a file: a 32-bit PE DLL that imports only Windows' own DLLs
# and exports every entry point under its plain and its decorated name.
set -u
dll=$1
dump=$(i686-w64-mingw32-objdump -p "$dll") || exit 1
fail=0

echo "$dump" | grep -q "file format pei-i386" || { echo "not a PE32 i386 file"; fail=1; }

system='^(KERNEL32|USER32|GDI32|msvcrt|ole32|OLEAUT32|VERSION|ADVAPI32|COMCTL32|SHELL32)\.dll$'
for name in $(echo "$dump" | sed -n 's/.*DLL Name: //p'); do
    echo "$name" | grep -Eiq "$system" || { echo "imports $name"; fail=1; }
done

for name in GetNumberOfSets GetSetName SetupSet0 GetExchgCount0 IsValidExchg0 CheckCall0 \
    AddData0 RemoveData0 ResetStats0 GetResult0 \
    '?GetNumberOfSets@@YAHXZ' '?GetSetName@@YAPBDH@Z' '?SetupSet0@@YAXXZ' \
    '?StatsGetExchgCount0@@YAHPBD00@Z' '?StatsIsValidExchg0@@YAHPBD000HHH@Z' \
    '?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z' \
    '?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z' \
    '?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z' \
    '?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z' \
    '?GetResult0@@YAPBDPAH@Z'; do
    echo "$dump" | grep -Fq "] $name" || { echo "does not export $name"; fail=1; }
done
[ $fail -eq 0 ] && echo "PE32 DLL, system imports only, 20 exports"
exit $fail
