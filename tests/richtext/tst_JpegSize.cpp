#include "TestSupport.h"

#include "richtext/ImageTag.h"
#include "richtext/JpegSize.h"

namespace {

QByteArray segment(unsigned char marker, const QByteArray& body)
{
    const int length = static_cast<int>(body.size()) + 2;
    QByteArray bytes;
    bytes.append(char(0xFF)).append(char(marker)).append(char(length >> 8)).append(char(length & 0xFF));
    return bytes + body;
}

QByteArray frame(int width, int height, unsigned char marker = 0xC0)
{
    QByteArray body;
    body.append(char(8)).append(char(height >> 8)).append(char(height & 0xFF));
    body.append(char(width >> 8)).append(char(width & 0xFF)).append(char(3));
    body.append(QByteArray(9, '\x11'));
    return segment(marker, body);
}

QByteArray jpeg(int width, int height, unsigned char marker = 0xC0, bool withApp = true)
{
    QByteArray bytes("\xFF\xD8", 2);
    if (withApp)
        bytes += segment(0xE0, QByteArray("JFIF\0\x01\x02\0\0\x01\0\x01\0\0", 14));
    bytes += segment(0xDB, QByteArray(65, '\x05'));  // a quantisation table before the frame
    bytes += frame(width, height, marker);
    bytes += segment(0xDA, QByteArray(10, '\x01')) + QByteArray("\x12\x34\xFF\xD9", 4);
    return bytes;
}

// A file of `size` bytes that begins with `head` and holds zeros after it, none of them in memory;
// remembers how many bytes were asked of it.
class HugeFile : public QIODevice
{
public:
    HugeFile(QByteArray head, qint64 size) : m_head(std::move(head)), m_size(size) { open(QIODevice::ReadOnly); }

    qint64 size() const override { return m_size; }
    qint64 bytesRead = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = qMin(maxSize, m_size - pos());
        for (qint64 i = 0; i < count; ++i)
            data[i] = pos() + i < m_head.size() ? m_head[pos() + i] : '\0';
        bytesRead += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_head;
    qint64 m_size;
};

} // namespace

class TestJpegSize : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("tagHeight");  // -1: nothing is inserted

        QTest::newRow("800x600") << jpeg(800, 600) << 800 << 600 << 150;
        QTest::newRow("300x1000") << jpeg(300, 1000) << 300 << 1000 << 667;
        QTest::newRow("16x1 half to even") << jpeg(16, 1) << 16 << 1 << 12;
        QTest::newRow("16x3 half to even") << jpeg(16, 3) << 16 << 3 << 38;
        QTest::newRow("frame first") << jpeg(400, 100, 0xC0, false) << 400 << 100 << 50;
        QTest::newRow("progressive") << jpeg(1024, 768, 0xC2) << 1024 << 768 << 150;
        QTest::newRow("large dimensions") << jpeg(40000, 50000) << 40000 << 50000 << 250;
        QTest::newRow("png named jpg") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x03\x20\0\0\x02\x58", 24) << 0 << 0 << -1;
        QTest::newRow("empty") << QByteArray() << 0 << 0 << -1;
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8\xFF", 3) << 0 << 0 << -1;
        QTest::newRow("no frame") << QByteArray("\xFF\xD8", 2) + segment(0xE0, QByteArray(20, 'x')) << 0 << 0 << -1;
        QTest::newRow("fill bytes before marker") << QByteArray("\xFF\xD8\xFF\xFF\xFF", 5) + frame(10, 20).mid(1) << 10 << 20 << 400;
        QTest::newRow("zero width") << jpeg(0, 20) << 0 << 20 << -1;
        const QByteArray whole = jpeg(800, 600);
        const qsizetype frameAt = whole.indexOf(QByteArray("\xFF\xC0", 2));
        for (int keep = 1; keep <= 8; ++keep)
            QTest::addRow("truncated in frame head %d", keep) << whole.left(frameAt + keep) << 0 << 0 << -1;
        QTest::newRow("truncated in app segment") << whole.left(10) << 0 << 0 << -1;
    }

    void sizes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, tagHeight);
        QCOMPARE(JpegSize::fromBytes(bytes), (JpegDimensions{width, height}));

        QTemporaryDir dir;
        const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("picture.jpg")), bytes);
        const auto tag = ImageTag::forFile(path);
        QCOMPARE(tag.has_value(), tagHeight >= 0);
        if (tag)
            QCOMPARE(*tag, ImageTag::text(path, tagHeight));
    }

    // A picture of gigabytes costs the reader the bytes up to its frame header, not its size.
    void readsOnlyUpToTheFrame_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("width");
        QTest::newRow("frame first") << jpeg(800, 600, 0xC0, false) << 800;
        QTest::newRow("frame after tables") << jpeg(1024, 768) << 1024;
        QTest::newRow("frame after a long segment")
            << QByteArray("\xFF\xD8", 2) + segment(0xE1, QByteArray(60000, 'e')) + frame(640, 480) << 640;
    }

    void readsOnlyUpToTheFrame()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, width);
        HugeFile file(head, qint64(2) * 1024 * 1024 * 1024);
        QCOMPARE(JpegSize::fromDevice(file).width, width);
        QVERIFY2(file.bytesRead <= head.size() + 64 * 1024, qPrintable(QString::number(file.bytesRead)));
    }

    void missingFile()
    {
        QCOMPARE(JpegSize::read(QStringLiteral("/nonexistent/x.jpg")), JpegDimensions{});
        QVERIFY(!ImageTag::forFile(QStringLiteral("/nonexistent/x.jpg")));
    }

    void tagText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("url");
        QTest::newRow("windows") << QStringLiteral("C:\\Pictures\\a.jpg") << QStringLiteral("file:///C:/Pictures/a.jpg");
        QTest::newRow("absolute") << QStringLiteral("/home/a/b.jpg") << QStringLiteral("file:///home/a/b.jpg");
        QTest::newRow("relative") << QStringLiteral("b c.jpg") << QStringLiteral("file:///b c.jpg");
    }

    void tagText()
    {
        QFETCH(QString, path);
        QFETCH(QString, url);
        QCOMPARE(ImageTag::fileUrl(path), url);
        QCOMPARE(ImageTag::text(path, 150),
                 QStringLiteral("<img border=\"0\" src=\"") + url + QStringLiteral("\" width=\"200\" height=\"150\"> "));
    }
};

TW_TEST_MAIN(TestJpegSize)
#include "tst_JpegSize.moc"
