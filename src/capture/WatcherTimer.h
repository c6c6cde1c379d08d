#pragma once

// The main window's clipboard timer, as the capture switch turns it on and off.
class WatcherTimer {
public:
    virtual ~WatcherTimer() = default;
    virtual bool timerRunning() const = 0;
    virtual void setTimerRunning(bool running) = 0;
};
