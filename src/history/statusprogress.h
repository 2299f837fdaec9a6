#pragma once

#include <QElapsedTimer>
#include <QString>

class App;

// Shows how far a long update has gone in the main window's status bar:
// "<what>: 1200 di 10000". The bar is repainted at most a few times a
// second and no event is processed meanwhile, so the operator sees the work
// move on and cannot start another one in the middle. The bar is cleared
// when the object goes out of scope.
class StatusProgress
{
public:
    StatusProgress(App& app, QString what, qint64 total);
    ~StatusProgress();
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    void step(qint64 done);

private:
    void show(qint64 done);

    App& m_app;
    QString m_what;
    qint64 m_total;
    QElapsedTimer m_sinceShown;
};
