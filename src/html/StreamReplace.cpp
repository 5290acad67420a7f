#include "html/StreamReplace.h"

StreamReplace::StreamReplace(QLatin1String before, QLatin1String after, Qt::CaseSensitivity sensitivity, Sink next)
    : m_before(before), m_after(after), m_sensitivity(sensitivity), m_next(std::move(next))
{
}

void StreamReplace::write(QStringView piece)
{
    m_held += piece;
    pass(false);
}

void StreamReplace::finish()
{
    pass(true);
}

// Replaces every whole occurrence in what is held; of the rest, the last characters that could
// begin an occurrence completed by the next piece stay held.
void StreamReplace::pass(bool last)
{
    const QStringView held(m_held);
    qsizetype done = 0;
    for (qsizetype found = held.indexOf(m_before, 0, m_sensitivity); found >= 0;
         found = held.indexOf(m_before, done, m_sensitivity)) {
        if (found > done)
            m_next(held.mid(done, found - done));
        m_next(QString(m_after));
        done = found + m_before.size();
    }
    const qsizetype keep = last ? 0 : std::min(m_held.size() - done, m_before.size() - 1);
    const qsizetype end = m_held.size() - keep;
    if (end > done)
        m_next(held.mid(done, end - done));
    m_held.remove(0, end);
}
