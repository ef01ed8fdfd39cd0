#include "TestHttpServer.h"

#include <QEventLoop>
#include <QPointer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
QSemaphore* g_ready = nullptr;
}

// One connection: reads the request, answers by the route.
class HttpConnection : public QObject
{
public:
    HttpConnection(QTcpSocket* socket, TestHttpServer& server)
        : QObject(socket), m_socket(socket), m_server(server)
    {
        connect(socket, &QTcpSocket::readyRead, this, [this] { onData(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void onData()
    {
        m_request += m_socket->readAll();
        const int end = m_request.indexOf("\r\n\r\n");
        if (end < 0 || m_answered)
            return;
        m_answered = true;
        const QList<QByteArray> words = m_request.left(m_request.indexOf("\r\n")).split(' ');
        const QString method = QString::fromLatin1(words.value(0));
        const QString path = QString::fromLatin1(words.value(1));
        m_server.record(method + QLatin1Char(' ') + path, m_request.left(end));
        m_route = m_server.routeFor(path);
        m_head = method == QLatin1String("HEAD");
        QTimer::singleShot(m_route.headerDelayMs, this, [this] { answer(); });
    }

    void answer()
    {
        const bool found = m_route.status != 404;
        QByteArray header = "HTTP/1.1 " + QByteArray::number(m_route.status) +
                            (found ? " OK" : " Not Found") +
                            "\r\nContent-Length: " + QByteArray::number(m_route.body.size()) +
                            "\r\nConnection: close\r\n\r\n";
        m_socket->write(header);
        if (m_head || !found) {
            m_socket->disconnectFromHost();
            return;
        }
        m_remaining = m_route.dropAfter >= 0 ? m_route.body.left(m_route.dropAfter) : m_route.body;
        sendMore();
    }

    void sendMore()
    {
        if (!m_socket)
            return;
        if (m_remaining.isEmpty()) {
            if (m_route.dropAfter >= 0) {
                m_socket->flush(); // what was promised so far goes out, then the line drops
                m_socket->abort();
            } else
                m_socket->disconnectFromHost();
            return;
        }
        const int piece = m_route.chunkDelayMs > 0 ? 256 : m_remaining.size();
        m_socket->write(m_remaining.left(piece));
        m_remaining.remove(0, piece);
        QTimer::singleShot(m_route.chunkDelayMs, this, [this] { sendMore(); });
    }

    QPointer<QTcpSocket> m_socket;
    TestHttpServer& m_server;
    QByteArray m_request;
    QByteArray m_remaining;
    TestHttpServer::Route m_route;
    bool m_answered = false;
    bool m_head = false;
};

TestHttpServer::TestHttpServer() = default;

TestHttpServer::~TestHttpServer()
{
    quit();
    wait();
}

QString TestHttpServer::startServing()
{
    QSemaphore ready;
    g_ready = &ready;
    start();
    ready.acquire();
    g_ready = nullptr;
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void TestHttpServer::run()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    m_port = server.serverPort();
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            new HttpConnection(socket, *this);
    });
    g_ready->release();
    exec();
}

void TestHttpServer::setRoute(const QString& path, const Route& route)
{
    QMutexLocker lock(&m_lock);
    m_routes.insert(path, route);
}

void TestHttpServer::setBody(const QString& path, const QByteArray& body)
{
    Route route;
    route.body = body;
    setRoute(path, route);
}

void TestHttpServer::clearRoutes()
{
    QMutexLocker lock(&m_lock);
    m_routes.clear();
    m_requests.clear();
}

TestHttpServer::Route TestHttpServer::routeFor(const QString& path) const
{
    QMutexLocker lock(&m_lock);
    Route missing;
    missing.status = 404;
    return m_routes.value(path, missing);
}

void TestHttpServer::record(const QString& line, const QByteArray& headers)
{
    QMutexLocker lock(&m_lock);
    m_requests.append(line);
    m_lastHeaders = headers;
}

QStringList TestHttpServer::requests() const
{
    QMutexLocker lock(&m_lock);
    return m_requests;
}

int TestHttpServer::countRequests(const QString& path) const
{
    QMutexLocker lock(&m_lock);
    int count = 0;
    for (const QString& line : m_requests) {
        if (line.endsWith(QLatin1Char(' ') + path))
            ++count;
    }
    return count;
}

QByteArray TestHttpServer::lastHeaders() const
{
    QMutexLocker lock(&m_lock);
    return m_lastHeaders;
}
