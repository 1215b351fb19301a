#!/bin/sh
# The host simulator end to end under Wine: the sample log's summary, the
# error list and the Cabrillo log of a report pass compared byte for byte
# with what the sample's generator worked out on its own, and the same for
# the real Cabrillo logs; the result codes of typed callsigns; the pictures
# of the screen and the windows; and plain errors with non-zero exits for
# bad input.
# A scoring pass alone (the windows start and the module is unloaded at
# once), and modules that crash or hang at their unload, which must fail the
# run with a message and an exit code of their own.
# Arguments: Vexo.exe, the module, the samples folder, tools/wine-run, and
# the two misbehaving modules.
set -u
vexo=$1 module=$2 samples=$3 wine=$4 crashes=$5 hangs=$6
cty='Z:\usr\share\hamradio-files\cty.dat'
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/Plugins" "$dir/pictures"
cp "$vexo" "$dir/Vexo.exe"
cp "$module" "$dir/Plugins/"
cp "$samples/arrl10m-sample.adi" "$samples/arrl10m-sample.header.txt" "$dir/"
cd "$dir" || exit 1
fail=0
expect() {  # description, condition...
    what=$1
    shift
    if ! "$@"; then
        echo "FAILED: $what"
        fail=1
    fi
}

"$wine" Vexo.exe --log arrl10m-sample.adi --cty "$cty" \
    --type KV1NL,28400000,SSB --type KV1NL,28400000,CW --type VP2EXX,28400000,CW \
    --type K1ABC,28400000,CW --report --header-file arrl10m-sample.header.txt \
    --open-windows --screenshots pictures >out.txt 2>err-out.txt
expect "the sample run exits 0 (got $?)" [ $? -eq 0 ]
expect "summary.txt is the expected summary" cmp summary.txt "$samples/arrl10m-sample.summary.txt"
expect "the report pass wrote the expected Cabrillo log" cmp N1ZQX.cbr "$samples/arrl10m-sample.cbr"
cat "$samples/arrl10m-sample.err.txt" "$samples/arrl10m-sample.err.txt" >two-passes.txt
expect "err.txt holds the refused QSOs of both passes" cmp err.txt two-passes.txt
# A duplicate in SSB, the same station new in CW (its country worked), a
# country never worked, and a new station of a worked country.
expect "KV1NL in SSB is a duplicate" grep -q "KV1NL=0$" out.txt
expect "KV1NL in CW: country worked" grep -q "(28400000 Hz, CW):.* KV1NL=1$" out.txt
expect "VP2EXX: new country" grep -q "VP2EXX=2$" out.txt
expect "K1ABC: country worked" grep -q "K1ABC=1$" out.txt
expect "the report pass names the file" grep -q "Report pass: File produced: N1ZQX.cbr" out.txt
expect "and the check beside it" grep -q "^Check file: N1ZQX.check.txt" out.txt
expect "the check is there" [ -s N1ZQX.check.txt ]
expect "nothing on stderr" [ ! -s err-out.txt ]
# The whole screen (the test run's Wine desktop) and the windows opened.
expect "the picture of the whole screen" \
    [ "$(identify -format %wx%h pictures/screen.png 2>&1)" = 1280x1024 ]
for picture in control-dialog state-province dxcc-worked-with dxcc-prefixes; do
    expect "the picture $picture.png" [ "$(identify -format %m pictures/$picture.png 2>&1)" = PNG ]
done

rm -f summary.txt
"$wine" Vexo.exe --log arrl10m-sample.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a scoring pass alone exits 0 (got $?)" [ $? -eq 0 ]
expect "its summary is the expected one" cmp summary.txt "$samples/arrl10m-sample.summary.txt"
expect "it unloads the module" grep -q "^Module unloaded.$" out.txt
expect "nothing on stderr after a scoring pass alone" [ ! -s err-out.txt ]

printf 'header <EOH>\r\n' >empty.adi
"$wine" Vexo.exe --log empty.adi --cty "$cty" >out.txt 2>err-out.txt
expect "an unload right after the windows start exits 0 (got $?)" [ $? -eq 0 ]
expect "nothing on stderr after an early unload" [ ! -s err-out.txt ]

cp Plugins/ARRL-10M_CW_SSB.dll module.dll
cp "$crashes" Plugins/ARRL-10M_CW_SSB.dll
"$wine" Vexo.exe --log arrl10m-sample.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a module that crashes after its unload exits 5 (got $?)" [ $? -eq 5 ]
expect "the crash is told" grep -q "^Vexo: crashed: exception 0xC0000005 at .*, in the module's code" err-out.txt
cp "$hangs" Plugins/ARRL-10M_CW_SSB.dll
"$wine" Vexo.exe --log arrl10m-sample.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a module that hangs in its unload exits 6 (got $?)" [ $? -eq 6 ]
expect "the hang is told" grep -q "^Vexo: the module did not come back from its unload in 8 s" err-out.txt
cp module.dll Plugins/ARRL-10M_CW_SSB.dll

printf 'header <EOH>\r\n<CALL:5>K1ABC <QSO_DATE:8>20231209 <TIME_ON:4>0012 <BAND:3>10M <MODE:2>CW <EOR>\r\n<CALL:5>K2XYZ <QSO_DATE:8>2023120x <TIME_ON:4>0013 <EOR>\r\n' >broken.adi
"$wine" Vexo.exe --log broken.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a broken record exits 3 (got $?)" [ $? -eq 3 ]
expect "the broken record's line is named" grep -q "broken.adi, line 3" err-out.txt

"$wine" Vexo.exe --log missing.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a missing log exits 3 (got $?)" [ $? -eq 3 ]
expect "the missing log is named" grep -q "missing.adi" err-out.txt

"$wine" Vexo.exe --log arrl10m-sample.adi --cty missing-cty.dat >out.txt 2>err-out.txt
expect "a missing country file exits 3 (got $?)" [ $? -eq 3 ]

rm Plugins/ARRL-10M_CW_SSB.dll
"$wine" Vexo.exe --log arrl10m-sample.adi --cty "$cty" >out.txt 2>err-out.txt
expect "a missing module exits 2 (got $?)" [ $? -eq 2 ]
expect "the missing module is named" grep -q "cannot load the module Plugins.ARRL-10M_CW_SSB.dll" err-out.txt

"$wine" Vexo.exe --what >out.txt 2>err-out.txt
expect "a wrong option exits 1 (got $?)" [ $? -eq 1 ]

# The real logs rescored as a user would, each in a folder of its own: the
# summary, the error list of both passes and the Cabrillo log of the report
# pass, whose header comes from the log's own, as the contest's rules give
# them (tools/real_log_expectations.py).
for log in "$samples"/real-logs/*.log; do
    name=$(basename "$log" .log)
    mkdir -p "$dir/$name/Plugins"
    cp "$vexo" "$dir/$name/Vexo.exe"
    cp "$module" "$dir/$name/Plugins/"
    cp "$log" "$dir/$name/"
    cd "$dir/$name" || exit 1
    "$wine" Vexo.exe --log "$name.log" --cty "$cty" --report >out.txt 2>err-out.txt
    expect "$name: exits 0 (got $?)" [ $? -eq 0 ]
    expected="$samples/real-logs/$name"
    expect "$name: summary.txt is the expected summary" cmp summary.txt "$expected.summary.txt"
    expect "$name: the report pass wrote the expected Cabrillo log" cmp "$name.cbr" "$expected.cbr"
    expect "$name: the report pass names the check" grep -q "^Check file: $name.check.txt" out.txt
    cat "$expected.err.txt" "$expected.err.txt" >two-passes.txt
    expect "$name: err.txt holds the refused QSOs of both passes" cmp err.txt two-passes.txt
    expect "$name: nothing on stderr" [ ! -s err-out.txt ]
done

# The command line's header values go before the log's own.
mkdir -p "$dir/small/Plugins"
cd "$dir/small" || exit 1
cp "$vexo" Vexo.exe
cp "$module" Plugins/
printf 'START-OF-LOG: 3.0\r\nCALLSIGN: W1AW\r\nCATEGORY-POWER: LOW\r\nCLUB: Log Club\r\nQSO: 28050 CW 2024-12-14 1324 W1AW 599 CT LY5W 599 535\r\nEND-OF-LOG:\r\n' >small.log
"$wine" Vexo.exe --log small.log --cty "$cty" --report --header CATEGORY-POWER=qrp >out.txt 2>err-out.txt
expect "a small log exits 0 (got $?)" [ $? -eq 0 ]
expect "the command line's power" grep -q "^CATEGORY-POWER: QRP.$" W1AW.cbr
expect "the log's club" grep -q "^CLUB: Log Club.$" W1AW.cbr
printf 'START-OF-LOG: 3.0\r\nQSO: 28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535\r\nQSO: 28051 CW 2024-12-14 1325 VE3EJ 599 ON IB9R 599\r\n' >broken.log
"$wine" Vexo.exe --log broken.log --cty "$cty" >out.txt 2>err-out.txt
expect "a broken QSO line exits 3 (got $?)" [ $? -eq 3 ]
expect "the broken QSO line is named" grep -q "broken.log, line 3: QSO line of 9 fields" err-out.txt
exit $fail
