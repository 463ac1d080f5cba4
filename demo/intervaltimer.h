#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer with the two settings the window's code writes: an
// interval in milliseconds and an enabled flag. It ticks only while it is
// enabled with an interval above 0; its ticks are events on the thread that
// owns it, one after the other.
class IntervalTimer : public QObject
{
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::Timer);
    }

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    // True when ticks are due: enabled with an interval above 0.
    bool isTicking() const { return m_timer.isActive(); }

    void setInterval(int ms)
    {
        if (ms == m_interval)
            return;
        m_interval = ms;
        apply();
    }
    void setEnabled(bool on)
    {
        if (on == m_enabled)
            return;
        m_enabled = on;
        apply();
    }

    // Held, it doesn't tick whatever its settings; let go, it starts a new
    // period (while a question of «Проверь себя» waits for the class).
    void hold(bool held)
    {
        if (held == m_held)
            return;
        m_held = held;
        apply();
    }

signals:
    void Timer();

private:
    void apply()
    {
        if (m_enabled && m_interval > 0 && !m_held)
            m_timer.start(m_interval); // restarts the period, as a new setting does
        else
            m_timer.stop();
    }

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
    bool m_held = false;
};
