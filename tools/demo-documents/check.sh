#!/bin/sh
# Reads the demo documents and scans back with independent readers: each
# document a PDF of three pages, each scan a JPEG of a drawn form.
set -eu
folder="$1/PRILOHY"
for name in Zakon288 Vyhlaska1 Vyhlaska2 Vyhlaska3 Zakon119 Priloha119; do
    pages=$(pdfinfo "$folder/$name.kvf" | sed -n 's/^Pages: *//p')
    [ "$pages" = 3 ] || { echo "$name.kvf: $pages pages"; exit 1; }
    pdftotext "$folder/$name.kvf" - | grep -q "UKÁZKA" || { echo "$name.kvf: no demo mark"; exit 1; }
done
for scan in $(seq -f "_%03g.jpg" 0 20) nofile.jpg; do
    djpeg "$folder/$scan" > /dev/null || { echo "$scan does not decode"; exit 1; }
done
echo "demo documents read back"
