// RichTextToHtml on descriptions of growing length with mixed formatting: the time per byte
// should stay flat (linear growth), from 10 KB to 100 KB.
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/RtfWriter.h"

#include <benchmark/benchmark.h>

namespace {

RichText mixedText(int bytes)
{
    RichText text(BoxFormats::description());
    int written = 0;
    for (int i = 0; written < bytes; ++i) {
        RichCharFormat format = BoxFormats::description();
        format.bold = i % 2 == 0;
        format.italic = i % 3 == 0;
        format.underline = i % 5 == 0;
        if (i % 4 == 0)
            format.color = qRgb(200, 0, 0);
        if (i % 7 == 0)
            format.background = qRgb(255, 255, 0);
        format.halfPoints = 16 + 2 * (i % 6);
        const QString piece = QStringLiteral("word %1 & <more> text ").arg(i);
        text.appendText(piece, format);
        written += static_cast<int>(piece.size());
        if (i % 10 == 9) {
            text.endParagraph(format);
            text.setParagraphFormat({i % 3, (i % 4) * 500, 0, i % 20 == 9});
            written += 2;
        }
    }
    return text;
}

void convertRichText(benchmark::State& state)
{
    const RichText text = mixedText(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RichTextToHtml::convert(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void convertStoredRtf(benchmark::State& state)
{
    const QString rtf = RtfWriter::write(mixedText(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(RichTextToHtml::convert(rtf));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(convertRichText)->Arg(10 * 1024)->Arg(100 * 1024)->Complexity(benchmark::oN);
BENCHMARK(convertStoredRtf)->Arg(10 * 1024)->Arg(100 * 1024)->Complexity(benchmark::oN);
BENCHMARK_MAIN();
