// offthread.h - work that may block for a while (a question over the network with its time limit)
// on a thread of its own, its answer handed to a function on the GUI thread.
//
// The owner looks for the answer with a timer: the answer is handed over under a mutex (rather than
// by the thread's finished signal, whose event Qt makes and frees on two threads under a lock
// ThreadSanitizer cannot see). An answer that comes after the owner is gone is dropped with the
// thread.
#ifndef OFFTHREAD_H
#define OFFTHREAD_H

#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

template <typename Answer>
void runOffThread(QObject *owner, std::function<Answer()> work, std::function<void(const Answer &)> done)
{
    constexpr int answerPollMs = 50;
    struct Handover
    {
        std::mutex mutex;
        std::optional<Answer> answer;
    };
    auto handover = std::make_shared<Handover>();
    QThread *thread = QThread::create([work, handover] {
        Answer answer = work();
        std::lock_guard<std::mutex> lock(handover->mutex);
        handover->answer = std::move(answer);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    auto *poll = new QTimer(owner);
    poll->setInterval(answerPollMs);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, handover, done] {
        std::optional<Answer> answer;
        {
            std::lock_guard<std::mutex> lock(handover->mutex);
            if (!handover->answer)
                return;
            answer = std::move(handover->answer);
        }
        poll->stop();
        poll->deleteLater();
        done(*answer);
    });
    poll->start();
    thread->start();
}

#endif // OFFTHREAD_H
