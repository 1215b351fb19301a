#!/bin/sh
# Turns the window tests' BMP screenshots into PNG files (the BMPs' alpha
# byte is 0, so it is dropped).
set -u
dir=$1
status=0
for bmp in "$dir"/*.bmp; do
    [ -e "$bmp" ] || continue
    if convert "$bmp" -alpha off "${bmp%.bmp}.png"; then
        rm -f "$bmp"
        echo "${bmp%.bmp}.png"
    else
        status=1
    fi
done
exit $status
