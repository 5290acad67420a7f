#include "TestSupport.h"
#include "html/StreamReplace.h"

#include <QRandomGenerator>

// The replacement on text that arrives in pieces gives what one QString::replace gives on the whole,
// however the text is cut.
class TestStreamReplace : public QObject
{
    Q_OBJECT

private:
    static QString streamed(const QString& text, const QList<qsizetype>& cuts, QLatin1String before,
                            QLatin1String after, Qt::CaseSensitivity sensitivity)
    {
        QString out;
        StreamReplace replace(before, after, sensitivity, [&out](QStringView piece) { out += piece; });
        qsizetype at = 0;
        for (qsizetype cut : cuts) {
            replace.write(QStringView(text).mid(at, cut - at));
            at = cut;
        }
        replace.write(QStringView(text).mid(at));
        replace.finish();
        return out;
    }

private slots:
    void everyCutGivesTheWholeReplacement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("caseInsensitive");
        QTest::newRow("none") << QStringLiteral("plain text") << false;
        QTest::newRow("one") << QStringLiteral("a<BR></P>b") << false;
        QTest::newRow("at both ends") << QStringLiteral("<BR></P>x<BR></P>") << false;
        QTest::newRow("back to back") << QStringLiteral("<BR></P><BR></P><BR></P>") << false;
        QTest::newRow("nested start") << QStringLiteral("<BR><BR></P></P>") << false;
        QTest::newRow("case kept") << QStringLiteral("<br></p><BR></P>") << false;
        QTest::newRow("case folded") << QStringLiteral("<br></p><Br></P>") << true;
        QTest::newRow("partial at end") << QStringLiteral("x<BR></") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void everyCutGivesTheWholeReplacement()
    {
        QFETCH(QString, text);
        QFETCH(bool, caseInsensitive);
        const Qt::CaseSensitivity sensitivity = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        const QLatin1String before("<BR></P>");
        const QLatin1String after("</P>");
        const QString expected = QString(text).replace(before, after, sensitivity);
        for (qsizetype first = 0; first <= text.size(); ++first) {
            for (qsizetype second = first; second <= text.size(); ++second)
                QCOMPARE(streamed(text, {first, second}, before, after, sensitivity), expected);
        }
    }

    // Random texts of the fragments the page is made of, cut at random places.
    void randomTextsAndCuts_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomTextsAndCuts()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList fragments{QStringLiteral("<BR>"), QStringLiteral("</ul>"), QStringLiteral("<UL><LI>"),
                                    QStringLiteral("</UL>"), QStringLiteral("<ul><li>"), QStringLiteral("x"),
                                    QStringLiteral("</blockquote>"), QStringLiteral("</Blockquote>"),
                                    QStringLiteral("\u212a"), QStringLiteral("</bloc\u212aquote>")};
        QString text;
        for (int i = 0; i < 60; ++i)
            text += fragments.at(random.bounded(int(fragments.size())));
        QList<qsizetype> cuts;
        for (qsizetype at = random.bounded(8); at < text.size(); at += 1 + random.bounded(12))
            cuts << at;
        const struct
        {
            const char* before;
            const char* after;
        } patterns[] = {{"</ul><UL><LI>", "<LI>"}, {"<BR></blockquote>", "</blockquote>"}, {"<BR></UL>", "</UL>"}};
        for (const auto& pattern : patterns) {
            const QLatin1String before(pattern.before);
            const QLatin1String after(pattern.after);
            for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
                QCOMPARE(streamed(text, cuts, before, after, sensitivity),
                         QString(text).replace(before, after, sensitivity));
            }
        }
    }
};

TW_TEST_MAIN(TestStreamReplace)
#include "tst_StreamReplace.moc"
