#!/bin/sh
# Installs into a temporary prefix and starts both programs offscreen from
# there: each must run on the platform beside it, never on the build tree's,
# and the trainer's modules must find that platform too.
# Usage: ProgramFoldersTest.sh <cmake> <build folder>
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" > /dev/null

for file in Varnel/Varnel Varnel/libvarnel-browser.so Varnel/libvarnel-law-viewer.so \
    Varnel/libplatform.so Varnel/libplatform_printing.so \
    Varnel/central.vqn Varnel/central.vqt Varnel/PRILOHY/Zakon119.kvf Varnel/PRILOHY/_000.jpg \
    Vuvuzodi/Vuvuzodi Vuvuzodi/libplatform.so Vuvuzodi/libplatform_printing.so Vuvuzodi/Language/English.cln; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done

# Each program and module finds the platform libraries it needs beside it.
for file in Varnel/Varnel Varnel/libvarnel-browser.so Varnel/libvarnel-law-viewer.so Vuvuzodi/Vuvuzodi; do
  folder=$(dirname "$prefix/$file")
  found=$(ldd "$prefix/$file" | grep libplatform)
  [ -n "$found" ] || fail "$file uses no platform library"
  ! echo "$found" | grep -v "=> $folder/libplatform" || fail "$file does not find the platform beside it"
done

# CPU time of the process, in clock ticks.
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Starts the program from its folder and waits until it has settled: it runs
# on the platform beside it, has made what it makes at start (the file or
# folder given, if any), and uses no more processor time.
start() {
  folder=$prefix/$1
  made=${2:+$folder/$2}
  (cd "$folder" && exec env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/config" "./$1") &
  pid=$!
  last=-1
  for _ in $(seq 120); do
    kill -0 "$pid" 2>/dev/null || fail "$1 ended at start"
    if grep -q "$folder/libplatform.so" "/proc/$pid/maps" && { [ -z "$made" ] || [ -e "$made" ]; }; then
      now=$(cpu "$pid")
      [ "$now" = "$last" ] && return 0
      last=$now
    fi
    sleep 0.5
  done
  fail "$1 did not settle"
}

stop() {
  kill -0 "$pid" 2>/dev/null || fail "$1 ended after start"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

# The trainer's main window makes its backup folder in the folder it runs
# from; the designer, with no settings file there yet, asks to make one.
start Varnel ZALOHA
stop Varnel
start Vuvuzodi
stop Vuvuzodi

# The bank and the language file are the user's own once installed: a second
# install keeps them, while the program itself is laid down again.
printf 'changed' >> "$prefix/Varnel/central.vqn"
printf 'changed' >> "$prefix/Vuvuzodi/Language/English.cln"
mv "$prefix/Varnel/central.vqt" "$prefix/Varnel/Central.vqt"
cp "$prefix/Varnel/central.vqn" "$prefix/bank-before"
cp "$prefix/Vuvuzodi/Language/English.cln" "$prefix/language-before"
rm "$prefix/Varnel/Varnel"
"$cmake" --install "$build" --prefix "$prefix" > /dev/null
[ -f "$prefix/Varnel/Varnel" ] || fail "a second install did not lay down the program"
cmp -s "$prefix/Varnel/central.vqn" "$prefix/bank-before" || fail "a second install replaced the question bank"
cmp -s "$prefix/Vuvuzodi/Language/English.cln" "$prefix/language-before" || fail "a second install replaced a language file"
[ ! -e "$prefix/Varnel/central.vqt" ] || fail "a second install put a memo file beside the bank's own"
echo "both programs start from $prefix, and a second install keeps their users' files"
