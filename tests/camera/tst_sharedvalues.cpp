// The two primitives every value shared between the GUI and capture threads is built on.
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

QTEST_GUILESS_MAIN(TestSharedValues)
#include "tst_sharedvalues.moc"
