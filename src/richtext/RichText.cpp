#include "richtext/RichText.h"

RichText::RichText(const RichCharFormat& defaultFormat)
{
    RichParagraph first;
    first.mark = defaultFormat;
    m_paragraphs.append(first);
}

RichText RichText::fromPlainText(const QString& text, const RichCharFormat& format)
{
    RichText result(format);
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            result.endParagraph(format);
        result.appendText(lines.at(i), format);
    }
    result.setLastMark(format);
    return result;
}

QString RichText::plainText() const
{
    QString text;
    for (qsizetype i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0)
            text += QLatin1String("\r\n");
        for (const RichRun& run : m_paragraphs.at(i).runs)
            text += run.text;
    }
    return text;
}

void RichText::appendText(const QString& text, const RichCharFormat& format)
{
    if (text.isEmpty())
        return;
    RichParagraph& paragraph = m_paragraphs.last();
    if (!paragraph.runs.isEmpty() && paragraph.runs.last().format == format)
        paragraph.runs.last().text += text;
    else
        paragraph.runs.append(RichRun{text, format});
    paragraph.mark = format;
}

void RichText::setParagraphFormat(const RichParagraphFormat& format)
{
    m_paragraphs.last().format = format;
}

void RichText::endParagraph(const RichCharFormat& mark)
{
    setLastMark(mark);
    squeezeLast();
    RichParagraph next;
    next.format = m_paragraphs.last().format;
    next.mark = m_paragraphs.last().mark;
    m_paragraphs.append(next);
}

void RichText::setLastMark(const RichCharFormat& mark)
{
    m_paragraphs.last().mark = mark;
}

void RichText::dropTrailingEmptyParagraph()
{
    if (m_paragraphs.size() > 1 && m_paragraphs.last().isEmpty())
        m_paragraphs.removeLast();
    squeezeLast();
}

// Text appended piece by piece keeps the room it grew into; a finished paragraph gives it back.
void RichText::squeezeLast()
{
    QList<RichRun>& runs = m_paragraphs.last().runs;
    runs.squeeze();
    for (RichRun& run : runs)
        run.text.squeeze();
}
