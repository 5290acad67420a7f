#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// QString::replace for text that arrives in pieces: the same replacements, left to right and not
// overlapping, handed on as soon as no later piece can change them.
class StreamReplace
{
public:
    using Sink = std::function<void(QStringView)>;

    StreamReplace(QLatin1String before, QLatin1String after, Qt::CaseSensitivity sensitivity, Sink next);

    void write(QStringView piece);
    // The end of the text: whatever was held back goes on.
    void finish();

private:
    void pass(bool last);

    QLatin1String m_before;
    QLatin1String m_after;
    Qt::CaseSensitivity m_sensitivity;
    Sink m_next;
    QString m_held;
};
