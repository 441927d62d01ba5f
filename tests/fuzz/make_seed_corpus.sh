#!/usr/bin/env bash
# Writes the seed corpus from the codec's test vectors. Each file is a fuzz
# input: a byte choosing `length`, a byte choosing `outputSize` (see
# fuzz_support.h; 00 00 is the whole data into exactly the room it needs),
# then the data. Run again after changing the lists; the files are committed.
set -euo pipefail
cd "$(dirname "$0")/corpus"
rm -rf encode decode
mkdir -p encode decode

# seed FOLDER NAME CHOICES DATA: CHOICES and DATA as printf formats.
seed() {
    printf "$3$4" >"$1/$2"
}

seed encode empty '\x00\x00' ''
seed encode a '\x00\x00' 'a'
seed encode ab '\x00\x00' 'ab'
seed encode abc '\x00\x00' 'abc'
seed encode hallo-welt '\x00\x00' 'Hallo Welt'
seed encode u-umlaut '\x00\x00' '\xfc'
seed encode gruesse '\x00\x00' 'Gr\xfc\xdfe'
seed encode fb-ff '\x00\x00' '\xfb\xff'
seed encode ff-ff-ff '\x00\x00' '\xff\xff\xff'
seed encode nul '\x00\x00' '\x00'
seed encode foobar '\x00\x00' 'foobar'
seed encode length-2-of-abc '\x82\x00' 'abc'
seed encode negative-length '\xc0\x00' 'abc'
seed encode output-size-minus-1 '\x00\x80' 'abc'
seed encode output-size-0 '\x00\xa0' 'abcd'
seed encode output-size-5 '\x00\xa5' 'Hallo Welt'
seed encode one-short '\x00\xc1' 'Hallo Welt'
seed encode more-room '\x00\xe3' 'Hallo'

seed decode empty '\x00\x00' ''
seed decode short-tail '\x00\x00' 'YWJjYQ'
seed decode a '\x00\x00' 'YQ=='
seed decode ab '\x00\x00' 'YWI='
seed decode abcd '\x00\x00' 'YWJjZA=='
seed decode hallo-welt '\x00\x00' 'aGFsbG8gV2VsdA=='
seed decode gruesse '\x00\x00' 'R3L832U='
seed decode high '\x00\x00' '+/8=////'
seed decode left-over-bits '\x00\x00' 'YR=='
seed decode pad-then-j '\x00\x00' 'YQ=j'
seed decode line-breaks '\x00\x00' '\r\nYWJj\tYWJj\r\nYQ==\r\n'
seed decode breaks-after-pad '\x00\x00' 'YWJjYQ==\r\n\t\r\n\r\n\t'
seed decode break-in-group '\x00\x00' 'YV\nx'
seed decode outside-alphabet '\x00\x00' 'YV-xYV xYV\xe4x'
seed decode pads-first '\x00\x00' '====YQBi=YWJ'
seed decode space-between '\x00\x00' 'YWJj YWJj'
seed decode joined '\x00\x00' 'YQ==YQ==YWI=YWJj'
seed decode foobar '\x00\x00' 'Zm9vYmFy'
seed decode length-5 '\x85\x00' 'YWJjYWJj'
seed decode negative-length '\xc0\x00' 'YWJj'
seed decode output-size-minus-1 '\x00\x80' 'YWJj'
seed decode output-size-4 '\x00\xa4' 'YWJjYQ==YWI='
seed decode one-short '\x00\xc1' 'YWI=YWJj'
