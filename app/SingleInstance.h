#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class QLocalServer;
class QLocalSocket;

// Keeps to one running program per program folder. The first start listens on a local socket;
// a later one connects to it, which asks the first to bring its window back, and waits for its
// answer. A socket left behind by a run that crashed answers nobody and is taken over; anything
// else at the socket's path is left alone and reported through problem().
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The socket for a program folder and the user, in the user's runtime folder.
    static QString serverNameFor(const QString& programFolder);

    explicit SingleInstance(const QString& serverName, QObject* parent = nullptr);

    // Looks for a running instance. The answer is exactly one of running(), handedOver() and
    // noAnswer(), and always comes from the event loop.
    void start();
    // Once running: why a later start will not find this instance, or empty.
    QString problem() const { return m_problem; }

Q_SIGNALS:
    // No other instance runs on the folder: this one is the instance now.
    void running();
    // The running instance took the request; this one has nothing left to do.
    void handedOver();
    // Something holds the socket but did not answer in time.
    void noAnswer();
    // In the running instance: a later start asked for the window.
    void windowWanted();

private:
    void takeOver();
    void answerLaterStarts();
    void decide(void (SingleInstance::*outcome)());

    QString m_serverName;
    QLocalServer* m_server;
    QLocalSocket* m_probe;
    QTimer m_patience;
    QString m_problem;
    bool m_decided = false;
};
