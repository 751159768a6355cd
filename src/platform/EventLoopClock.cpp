#include "platform/EventLoopClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace fahuo {

EventLoopClock::EventLoopClock() {
    uptime_.start();
}

bool EventLoopClock::Delay(int milliseconds) {
    if (milliseconds <= 0) {
        ProcessEvents();
        return true;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
    return true;
}

void EventLoopClock::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QDateTime EventLoopClock::Now() const {
    return QDateTime::currentDateTime();
}

qint64 EventLoopClock::UptimeMs() const {
    return uptime_.elapsed();
}

}  // namespace fahuo
