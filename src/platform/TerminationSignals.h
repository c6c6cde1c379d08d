// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT as a Qt signal on the thread that made this object, so a logout, a
// kill or Ctrl+C in a terminal ends the program through its end sequence instead of at once. The
// handlers only write the signal's number to a socket pair; a notifier reads it on the event
// loop. One object at a time; destroying it puts the previous handlers back.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // False when the handlers could not be installed (then the signals keep their old effect).
    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    // Emitted once for every signal received, also while an earlier one is being handled.
    void terminationRequested(int signal);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};
