#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A scripted HTTP server on 127.0.0.1: every request gets the current response. Serves one
// request per connection and then closes it, so the body may go without a Content-Length.
class LoopbackHttpServer : public QObject {
 public:
  struct Response {
    int status = 200;
    QByteArray body;
    bool sendContentLength = true;
    bool silent = false;  // reads the request and never answers
  };

  LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
  }

  bool isListening() const { return server_.isListening(); }
  QUrl url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/config.json").arg(server_.serverPort()));
  }
  void setResponse(Response response) { response_ = std::move(response); }
  int requestCount() const { return requestCount_; }
  const QByteArray& lastRequest() const { return lastRequest_; }

  // An address on which nothing listens.
  static QUrl deadUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/config.json").arg(port));
  }

 private:
  void serve(QTcpSocket* socket) {
    socket->setParent(this);
    auto* request = new QByteArray;
    connect(socket, &QObject::destroyed, this, [request] { delete request; });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
      request->append(socket->readAll());
      if (!request->contains("\r\n\r\n")) return;
      ++requestCount_;
      lastRequest_ = *request;
      request->clear();
      if (response_.silent) return;
      QByteArray head = "HTTP/1.1 " + QByteArray::number(response_.status) + " Scripted\r\n";
      head += "Content-Type: application/json\r\nConnection: close\r\n";
      if (response_.sendContentLength) {
        head += "Content-Length: " + QByteArray::number(response_.body.size()) + "\r\n";
      }
      socket->write(head + "\r\n" + response_.body);
      socket->disconnectFromHost();
    });
  }

  QTcpServer server_;
  Response response_;
  int requestCount_ = 0;
  QByteArray lastRequest_;
};
