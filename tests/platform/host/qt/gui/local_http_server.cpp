#include "tests/platform/host/qt/gui/local_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace win::host::testing {

namespace {

QByteArray Response(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

}  // namespace

LocalHttpServer::LocalHttpServer(std::string path, QByteArray html)
    : path_(std::move(path)), html_(std::move(html)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { Answer(*socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

std::string LocalHttpServer::Address() const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path_;
}

void LocalHttpServer::Answer(QTcpSocket& socket) {
    // The request line is enough; the headers after it are read and ignored.
    if (!socket.canReadLine()) {
        return;
    }
    const QList<QByteArray> request = socket.readLine().trimmed().split(' ');
    socket.readAll();
    // One answer per connection: whatever else arrives on it is not a new request.
    QObject::disconnect(&socket, &QTcpSocket::readyRead, nullptr, nullptr);
    const bool page =
        request.size() >= 2 && request[0] == "GET" && request[1].toStdString() == path_;
    pageRequests_ += page ? 1 : 0;
    socket.write(page ? Response("200 OK", html_) : Response("404 Not Found", "<h1>404</h1>"));
    socket.disconnectFromHost();
}

}  // namespace win::host::testing
