#pragma once
// Waits for a condition while the thread's event loop runs at full speed.
// QTest::qWaitFor sleeps between its looks, which stalls a worker thread that
// carries its calls to this thread; a transfer makes thousands of them.
#include <QEventLoop>
#include <QTimer>
#include <functional>

inline bool WaitWithEvents(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    look.setInterval(2);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    look.start();
    loop.exec();
    return done();
}
