#include "ui/videos/manual_view_controller.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "services/remote_config_manager.h"

namespace uc {

ManualViewController::ManualViewController(QObject* parent) : QObject(parent) {}

void ManualViewController::setImageName(const QString& name) {
  if (name == imageName_) return;
  imageName_ = name;
  emit imageNameChanged();
}

QUrl ManualViewController::imageSourceFor(const QString& name, const QString& languageCode) {
  // Only plain names: nothing outside the image folder can be reached.
  if (name.isEmpty() || name.contains(u'/') || name.contains(u'.')) return {};
  const QString folder = QString::fromLatin1(kImageFolder);
  for (const QString& file : {name + u'_' + languageCode, name}) {
    const QString path = folder + file + QStringLiteral(".svg");
    if (QFileInfo::exists(path)) return QUrl(QStringLiteral("qrc") + path);
  }
  return {};
}

QUrl ManualViewController::imageSource() const {
  return imageSourceFor(imageName_, RemoteConfigManager::supportedLanguageCode(QLocale()));
}

QString ManualViewController::labelText() const {
  return QCoreApplication::translate("ManualView", "Assistance");
}

QString ManualViewController::closeButtonName() const {
  return QCoreApplication::translate("ManualView", "closeManual");
}

double ManualViewController::clampedZoom(double zoom) {
  if (!(zoom == zoom)) return kMinimumZoom;  // NaN from a degenerate pinch
  return std::clamp(zoom, kMinimumZoom, kMaximumZoom);
}

QPointF ManualViewController::contentPositionForZoom(const QPointF& contentPosition,
                                                     const QPointF& point, double from, double to) {
  if (from <= 0) return contentPosition;
  const double factor = to / from;
  return (contentPosition + point) * factor - point;
}

}  // namespace uc
