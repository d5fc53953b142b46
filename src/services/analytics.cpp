#include "services/analytics.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QtDebug>
#include <utility>

namespace uc {
namespace {

std::shared_ptr<AnalyticsSink>& currentSink() {
  static std::shared_ptr<AnalyticsSink> sink;
  return sink;
}

}  // namespace

JsonLinesAnalyticsSink::JsonLinesAnalyticsSink(QString filePath) : filePath_(std::move(filePath)) {}

QString JsonLinesAnalyticsSink::defaultFilePath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + QStringLiteral("/analytics.jsonl");
}

void JsonLinesAnalyticsSink::record(const QString& name, const QVariantMap& params) {
  QJsonObject line;
  line.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
  line.insert(QStringLiteral("event"), name);
  if (!params.isEmpty()) line.insert(QStringLiteral("params"), QJsonObject::fromVariantMap(params));
  QByteArray bytes = QJsonDocument(line).toJson(QJsonDocument::Compact);
  bytes.append('\n');
  if (bytes.size() > kMaxFileBytes) {
    // It would overflow any file on its own.
    qWarning().noquote() << "Analytics: dropped an event of" << bytes.size() << "bytes:" << name;
    return;
  }

  const QFileInfo info(filePath_);
  if (info.exists() && !info.isFile()) {
    // Opening a FIFO or a device for writing could wait for good.
    warnOnce(QStringLiteral("not a regular file"));
    return;
  }
  QDir().mkpath(info.absolutePath());
  if (info.size() > 0 && info.size() + bytes.size() > kMaxFileBytes) rotate();
  QFile file(filePath_);
  // One write per event: a line is either there or not.
  const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) &&
                  file.write(bytes) == bytes.size();
  if (!ok) warnOnce(file.errorString());
}

void JsonLinesAnalyticsSink::warnOnce(const QString& reason) {
  if (warned_) return;
  warned_ = true;
  qWarning().noquote() << "Analytics: cannot write" << filePath_ << reason;
}

void JsonLinesAnalyticsSink::rotate() {
  const QString older = filePath_ + QStringLiteral(".1");
  QFile::remove(older);
  if (!QFile::rename(filePath_, older)) {
    // Better to lose the old events than to grow without bound.
    QFile::remove(filePath_);
  }
}

void RecordingAnalyticsSink::record(const QString& name, const QVariantMap& params) {
  events_.append({name, params});
}

qsizetype RecordingAnalyticsSink::count(const QString& name) const {
  qsizetype n = 0;
  for (const auto& event : events_) n += event.name == name ? 1 : 0;
  return n;
}

void Analytics::log(const QString& name, const QVariantMap& params) {
  if (name.isEmpty()) return;
  sink()->record(name, params);
}

void Analytics::setSink(std::shared_ptr<AnalyticsSink> sink) { currentSink() = std::move(sink); }

std::shared_ptr<AnalyticsSink> Analytics::sink() {
  auto& sink = currentSink();
  if (!sink)
    sink = std::make_shared<JsonLinesAnalyticsSink>(JsonLinesAnalyticsSink::defaultFilePath());
  return sink;
}

}  // namespace uc
