#include "PageServer.h"

#include <QTcpSocket>

PageServer::PageServer()
{
  listen(QHostAddress::LocalHost);
  connect(this, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = nextPendingConnection())
      connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
  });
}

QString PageServer::Url(const QString& target) const
{
  return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(target);
}

// Answers once the request head is complete; one request per connection.
void PageServer::Answer(QTcpSocket* socket)
{
  const QByteArray head = socket->peek(socket->bytesAvailable());
  if (!head.contains("\r\n\r\n"))
    return;
  socket->readAll();
  const QByteArray target = head.split(' ').value(1);
  targets_ << QString::fromLatin1(target);
  const QByteArray path = target.split('?').value(0);
  const bool found = pages_.contains(path);
  const QByteArray body = found ? pages_[path] : QByteArray("not found");
  socket->write((found ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n") +
                QByteArray("Content-Type: text/html; charset=utf-8\r\nContent-Length: ") +
                QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
  socket->disconnectFromHost();
}
