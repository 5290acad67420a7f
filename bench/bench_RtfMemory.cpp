// Peak memory of RTF reading and conversion against the size of the RTF, as resident memory
// (VmHWM) shows it. Counters: peak_kib is the growth of the peak over the start, per_byte that
// growth divided by the input size (the goal for rtf2html is at most 5), whole_per_byte the whole
// process's peak divided by the input size.
//   rtf2html: the whole command-line run (read, decode, parse, convert, write), in its own process,
//             less the peak of the same command on a tiny file.
//   reader / converter: RtfReader::read or RichTextToHtml::convert alone, in a forked child.
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include "ProcessPeak.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// Mixed formatting: a change every few words, a paragraph every ten pieces.
RichText mixedText(qsizetype chars)
{
    RichText text(BoxFormats::description());
    qsizetype written = 0;
    for (int i = 0; written < chars; ++i) {
        RichCharFormat format = BoxFormats::description();
        format.bold = i % 2 == 0;
        format.italic = i % 3 == 0;
        if (i % 4 == 0)
            format.color = qRgb(200, 0, 0);
        format.halfPoints = 16 + 2 * (i % 6);
        const QString piece = QStringLiteral("word %1 & <more> text of a description ").arg(i);
        text.appendText(piece, format);
        written += piece.size();
        if (i % 10 == 9) {
            text.endParagraph(format);
            text.setParagraphFormat({i % 3, (i % 4) * 500, 0, i % 20 == 9});
        }
    }
    return text;
}

// Long plain paragraphs: the text is almost all of the file.
RichText plainText(qsizetype chars)
{
    RichText text(BoxFormats::description());
    const QString line = QStringLiteral("Oak table, two drawers, delivered and assembled on site. ");
    for (qsizetype written = 0; written < chars; written += line.size() + 2) {
        text.appendText(line.repeated(20), BoxFormats::description());
        text.endParagraph(BoxFormats::description());
        written += line.size() * 19;
    }
    return text;
}

QByteArray rtfOf(bool mixed, qsizetype bytes)
{
    return RtfWriter::write(mixed ? mixedText(bytes / 2) : plainText(bytes)).toLatin1();
}

long kibField(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(static_cast<qsizetype>(std::strlen(name))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The growth of the peak resident size while `work` runs in a forked child, in KiB.
long childPeakGrowth(const std::function<void()>& work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        malloc_trim(0);  // freed memory of the set-up would otherwise hide the work's own growth
        if (FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", clear);  // the peak starts again from what is resident now
            std::fclose(clear);
        }
        const long before = kibField("VmRSS:");
        work();
        const long growth = kibField("VmHWM:") - before;
        (void)!write(fds[1], &growth, sizeof growth);
        _exit(0);
    }
    close(fds[1]);
    long growth = -1;
    (void)!read(fds[0], &growth, sizeof growth);
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return growth;
}

// Peak resident size of `tallywick-cli rtf2html file`, in KiB.
long cliPeak(const QString& file)
{
    return runProcess({TW_CLI_PATH, "rtf2html", file.toStdString()}).peakKib;
}

void report(benchmark::State& state, long growthKib, qsizetype inputBytes)
{
    state.counters["input_kib"] = static_cast<double>(inputBytes) / 1024.0;
    state.counters["peak_kib"] = static_cast<double>(growthKib);
    state.counters["per_byte"] = growthKib * 1024.0 / static_cast<double>(inputBytes);
}

void rtf2htmlPeak(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.rtf"));
    const QString tiny = dir.filePath(QStringLiteral("tiny.rtf"));
    const QByteArray rtf = rtfOf(state.range(0) != 0, state.range(1));
    QFile out(big);
    QFile small(tiny);
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size() || !small.open(QIODevice::WriteOnly)
        || small.write("{\\rtf1 x\\par}") <= 0) {
        state.SkipWithError("cannot write the input files");
        return;
    }
    out.close();
    small.close();
    long peak = 0;
    long growth = 0;
    for (auto _ : state) {
        peak = cliPeak(big);
        growth = peak - cliPeak(tiny);
    }
    report(state, growth, rtf.size());
    state.counters["whole_per_byte"] = peak * 1024.0 / static_cast<double>(rtf.size());
}

void readerPeak(benchmark::State& state)
{
    const QString rtf = QString::fromLatin1(rtfOf(state.range(0) != 0, state.range(1)));
    long growth = 0;
    for (auto _ : state)
        growth = childPeakGrowth([&rtf] { benchmark::DoNotOptimize(RtfReader::read(rtf)); });
    report(state, growth, rtf.size());
}

void converterPeak(benchmark::State& state)
{
    const QByteArray rtf = rtfOf(state.range(0) != 0, state.range(1));
    const RichText text = RtfReader::read(QString::fromLatin1(rtf));
    long growth = 0;
    for (auto _ : state)
        growth = childPeakGrowth([&text] { benchmark::DoNotOptimize(RichTextToHtml::convert(text)); });
    report(state, growth, rtf.size());
    state.counters["html_kib"] = static_cast<double>(RichTextToHtml::convert(text).size()) / 1024.0;
}

// Arguments: mixed formatting (1) or plain paragraphs (0), RTF size in bytes.
void sizes(benchmark::internal::Benchmark* bench)
{
    for (const int mixed : {0, 1})
        bench->Args({mixed, 8 << 20});
    bench->ArgNames({"mixed", "bytes"})->Iterations(1)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(rtf2htmlPeak)->Apply(sizes);
BENCHMARK(readerPeak)->Apply(sizes);
BENCHMARK(converterPeak)->Apply(sizes);
BENCHMARK_MAIN();
