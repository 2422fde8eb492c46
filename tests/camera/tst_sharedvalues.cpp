// The primitives every value shared between the GUI and capture threads is built on.
#include "displayframes.h"
#include "guarded.h"
#include "imagequeue.h"

#include <QPointF>
#include <QtTest>
#include <atomic>
#include <thread>

class TestSharedValues : public QObject
{
    Q_OBJECT

private slots:
    void guardedPointIsNeverTorn();
    void queueDropsTheThirdImage();
    void queuedImageIsASnapshot();
    void displayBufferIsReusedOnlyWhenNoCopyIsLeft();
    void displayBufferComesBackFromAnotherThread();
    void displayFrameOutlivesItsPool();
};

// A writer stores (i, i) while a reader loads: a point that came out half old, half new would
// have x != y.
void TestSharedValues::guardedPointIsNeverTorn()
{
    Guarded<QPointF> point;
    std::atomic<bool> done {false};
    std::thread writer([&] {
        for (int i = 1; i <= 200000; ++i)
            point.store(QPointF(i, i));
        done = true;
    });
    int torn = 0;
    while (!done) {
        const QPointF p = point.load();
        if (p.x() != p.y())
            ++torn;
    }
    writer.join();
    QCOMPARE(torn, 0);
    QCOMPARE(point.load(), QPointF(200000, 200000));
}

void TestSharedValues::queueDropsTheThirdImage()
{
    ImageQueue queue;
    QImage a(4, 4, QImage::Format_RGB888), b(5, 5, QImage::Format_RGB888), c(6, 6, QImage::Format_RGB888);
    QVERIFY(queue.push(a));
    QVERIFY(queue.push(b));
    QVERIFY(!queue.push(c));
    QCOMPARE(queue.size(), 2);

    QImage taken;
    QVERIFY(queue.take(&taken));
    QCOMPARE(taken.width(), 4); // oldest first
    QVERIFY(queue.take(&taken));
    QCOMPARE(taken.width(), 5);
    QVERIFY(!queue.take(&taken));
    QCOMPARE(taken.width(), 5); // a failed take leaves the caller's image alone
}

void TestSharedValues::queuedImageIsASnapshot()
{
    ImageQueue queue;
    QImage frame(8, 8, QImage::Format_RGB888);
    frame.fill(Qt::black);
    queue.push(frame);
    frame.fill(Qt::white); // the producer reuses its image for the next frame

    QImage taken;
    QVERIFY(queue.take(&taken));
    QCOMPARE(taken.pixelColor(3, 3), QColor(Qt::black));
}

void TestSharedValues::displayBufferIsReusedOnlyWhenNoCopyIsLeft()
{
    DisplayFrames frames(10, 3, QImage::Format_RGB888, 2);
    QImage a = frames.take(), b = frames.take();
    QVERIFY(!a.isNull() && !b.isNull());
    QCOMPARE(a.size(), QSize(10, 3));
    QCOMPARE(a.format(), QImage::Format_RGB888);
    QCOMPARE(a.bytesPerLine(), 32); // 30 bytes, aligned to 32 bits as QImage's own
    QVERIFY(a.constBits() != b.constBits());
    QVERIFY(frames.take().isNull()); // both in use

    const uchar *const bufferA = a.constBits();
    a.fill(Qt::red);
    QImage shown = a; // the GUI thread still holds the frame
    a = QImage();
    QVERIFY(frames.take().isNull());
    QCOMPARE(shown.pixelColor(9, 2), QColor(Qt::red));
    shown = QImage();
    const QImage again = frames.take();
    QCOMPARE(again.constBits(), bufferA);
}

void TestSharedValues::displayBufferComesBackFromAnotherThread()
{
    DisplayFrames frames(4, 4, QImage::Format_RGB888, 1);
    ImageQueue queue;
    queue.push(frames.take());
    bool taken = false;
    std::thread gui([&] {
        QImage frame;
        taken = queue.take(&frame);
    }); // the frame's last copy dies on that thread
    gui.join();
    QVERIFY(taken);
    QVERIFY(!frames.take().isNull());
}

void TestSharedValues::displayFrameOutlivesItsPool()
{
    QImage kept;
    {
        DisplayFrames frames(6, 6, QImage::Format_RGB888);
        kept = frames.take();
        kept.fill(Qt::green);
    }
    QCOMPARE(kept.pixelColor(5, 5), QColor(Qt::green)); // its buffer is still there
    kept = QImage();                                    // and is given back without harm
}

QTEST_GUILESS_MAIN(TestSharedValues)
#include "tst_sharedvalues.moc"
