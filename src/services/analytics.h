#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "services/analytics_events.h"

namespace uc {

// Receives every logged event. Sinks run on the main thread.
class AnalyticsSink {
 public:
  virtual ~AnalyticsSink() = default;
  virtual void record(const QString& name, const QVariantMap& params) = 0;
};

// Appends one JSON object per event to a local file; nothing leaves the machine.
class JsonLinesAnalyticsSink final : public AnalyticsSink {
 public:
  // A full file becomes "<file>.1" (replacing the one before) so the log stays bounded.
  static constexpr qint64 kMaxFileBytes = 1024 * 1024;

  explicit JsonLinesAnalyticsSink(QString filePath);

  // analytics.jsonl in the app's data folder.
  static QString defaultFilePath();
  const QString& filePath() const { return filePath_; }

  void record(const QString& name, const QVariantMap& params) override;

 private:
  void rotate();
  void warnOnce(const QString& reason);

  QString filePath_;
  bool warned_ = false;
};

// Keeps the events in memory, for tests.
class RecordingAnalyticsSink final : public AnalyticsSink {
 public:
  struct Event {
    QString name;
    QVariantMap params;
  };

  void record(const QString& name, const QVariantMap& params) override;
  const QList<Event>& events() const { return events_; }
  qsizetype count(const QString& name) const;
  void clear() { events_.clear(); }

 private:
  QList<Event> events_;
};

class Analytics {
 public:
  // Records an event with the current sink; an empty name is dropped.
  static void log(const QString& name, const QVariantMap& params = {});

  // Replaces the sink; nullptr goes back to the default file sink.
  static void setSink(std::shared_ptr<AnalyticsSink> sink);
  static std::shared_ptr<AnalyticsSink> sink();
};

// Lets QML log events: Analytics.log("tapped_menu_button", {}).
class AnalyticsQml : public QObject {
  Q_OBJECT
  QML_NAMED_ELEMENT(Analytics)
  QML_SINGLETON

 public:
  using QObject::QObject;
  Q_INVOKABLE void log(const QString& name, const QVariantMap& params = {}) {
    Analytics::log(name, params);
  }
};

}  // namespace uc
