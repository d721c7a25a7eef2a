#pragma once
// A tiny HTTP server on 127.0.0.1 for the browser tests: serves fixed pages by
// path and records every request line's target as it arrived.

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>

class PageServer : public QTcpServer {
public:
  PageServer();
  void AddPage(const QByteArray& path, const QByteArray& html) { pages_[path] = html; }
  QString Url(const QString& target) const;
  const QStringList& Targets() const { return targets_; }

private:
  void Answer(QTcpSocket* socket);

  QMap<QByteArray, QByteArray> pages_;
  QStringList targets_;
};
