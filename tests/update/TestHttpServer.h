#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QStringList>
#include <QThread>

// A small HTTP server on 127.0.0.1 in a thread of its own, so that it answers
// while the test's thread waits inside the library.
class TestHttpServer : public QThread
{
public:
    struct Route
    {
        int status = 200;
        QByteArray body;
        int dropAfter = -1;   // close the connection after this many body bytes
        int chunkDelayMs = 0; // a slow body: 256 bytes at a time with this pause
        int headerDelayMs = 0;
    };

    TestHttpServer();
    ~TestHttpServer() override;

    // Starts listening; the base URL ("http://127.0.0.1:<port>").
    QString startServing();
    void setRoute(const QString& path, const Route& route);
    void setBody(const QString& path, const QByteArray& body);
    void clearRoutes();
    // Request lines seen ("GET /Kavio/config.txt"), and the headers of the last one.
    QStringList requests() const;
    int countRequests(const QString& path) const;
    QByteArray lastHeaders() const;

protected:
    void run() override;

private:
    friend class HttpConnection;
    Route routeFor(const QString& path) const;
    void record(const QString& line, const QByteArray& headers);

    mutable QMutex m_lock;
    QHash<QString, Route> m_routes;
    QStringList m_requests;
    QByteArray m_lastHeaders;
    quint16 m_port = 0;
};
