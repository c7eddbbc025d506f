#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <cstdint>
#include <string>

namespace win::host::testing {

// Serves one page on 127.0.0.1 at a free port, answered from the test's own event loop. Every
// other path is "404 Not Found".
class LocalHttpServer {
public:
    LocalHttpServer(std::string path, QByteArray html);

    bool Listening() const { return server_.isListening(); }
    // The page's address, "http://127.0.0.1:port/path".
    std::string Address() const;
    int PageRequests() const { return pageRequests_; }

private:
    void Answer(QTcpSocket& socket);

    std::string path_;
    QByteArray html_;
    QTcpServer server_;
    int pageRequests_ = 0;
};

}  // namespace win::host::testing
