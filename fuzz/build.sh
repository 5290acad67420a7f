#!/bin/sh
# Builds the libFuzzer targets with clang (not part of the normal build).
#   fuzz/build.sh [OUTDIR]            then e.g.
#   OUTDIR/rtf_reader_fuzzer fuzz/corpus/rtf_reader -max_total_time=300
# (one corpus folder per target: rtf_reader, jpeg_size, document_json, statement)
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
clang++ $flags "$here/document_json_fuzzer.cpp" "$src/editor/DocumentJson.cpp" "$src/editor/StrictJsonCheck.cpp" \
    "$src/editor/LineBreaks.cpp" $libs -o "$out/document_json_fuzzer"
sqlflags="$(pkg-config --cflags Qt6Sql)"
sqllibs="$(pkg-config --libs Qt6Sql)"
clang++ $flags $sqlflags "$here/statement_fuzzer.cpp" "$src/store/JetSqlTranslator.cpp" "$src/store/JetStatement.cpp" "$src/store/PostgresDialect.cpp" "$src/store/DatabaseSchema.cpp" \
    "$src/store/SqlText.cpp" "$src/core/ShortDateFormat.cpp" "$src/core/SettingsStore.cpp" $libs $sqllibs \
    -o "$out/statement_fuzzer"
echo "Built rtf_reader_fuzzer, jpeg_size_fuzzer, document_json_fuzzer and statement_fuzzer in $out"
