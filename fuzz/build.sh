#!/bin/sh
# Builds the libFuzzer targets with clang (not part of the normal build).
#   fuzz/build.sh [OUTDIR]            then e.g.
#   OUTDIR/rtf_reader_fuzzer fuzz/corpus/rtf_reader -max_total_time=300
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src="$here/../src"
out=${1:-"$here/../build-fuzz"}
mkdir -p "$out"
flags="-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I$src $(pkg-config --cflags Qt6Core Qt6Gui)"
libs="$(pkg-config --libs Qt6Core Qt6Gui)"
rich="$src/richtext/RichText.cpp $src/richtext/RtfParser.cpp $src/richtext/RtfReader.cpp \
      $src/richtext/RtfWriter.cpp $src/richtext/RtfCodePage.cpp $src/richtext/BoxFormats.cpp \
      $src/html/RichTextToHtml.cpp"
clang++ $flags "$here/rtf_reader_fuzzer.cpp" $rich $libs -o "$out/rtf_reader_fuzzer"
clang++ $flags "$here/jpeg_size_fuzzer.cpp" "$src/richtext/JpegSize.cpp" "$src/richtext/ImageTag.cpp" $libs \
    -o "$out/jpeg_size_fuzzer"
echo "Built $out/rtf_reader_fuzzer and $out/jpeg_size_fuzzer"
