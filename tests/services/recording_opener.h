#pragma once

#include <QStringList>
#include <QUrl>

#include "services/url_opener.h"

// Records the addresses handed to the system instead of opening them. https: addresses and
// the schemes of "installed" apps can be opened; "permissive" opens anything, "broken"
// nothing.
class RecordingOpener : public uc::UrlOpener {
 public:
  bool canOpen(const QUrl& url) override {
    return !broken && (permissive || url.scheme() == "https" || installed.contains(url.scheme()));
  }
  bool open(const QUrl& url) override {
    opened.append(url.toString());
    return !broken;
  }
  void prepare(const QStringList& appSchemes) override { prepared = appSchemes; }

  QStringList installed;
  QStringList opened;
  QStringList prepared;
  bool permissive = false;
  bool broken = false;
};
