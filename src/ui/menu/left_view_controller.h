#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "services/connection_check.h"
#include "services/remote_config_records.h"

namespace uc {

class RemoteConfigManager;

// The side menu in the drawer: the app's own pages, the contact rows and, when the
// catalogue has both kinds, the maker's multi-topic and single-topic apps.
//
// Sections: 0 the pages (no header), 1 contact, 2 multi apps, 3 single apps. The view gets
// them as one flat list in which every section but the first starts with a header entry.
class LeftViewController : public QAbstractListModel {
  Q_OBJECT
  // Its view, LeftViewController.qml, has its name.
  QML_NAMED_ELEMENT(LeftViewControllerLogic)
  Q_PROPERTY(int count READ rowCount NOTIFY menuChanged)
  Q_PROPERTY(int numberOfSections READ numberOfSections NOTIFY menuChanged)
  Q_PROPERTY(int rowHeight READ rowHeight CONSTANT)
  Q_PROPERTY(int headerHeight READ headerHeight CONSTANT)

 public:
  enum Role { KindRole = Qt::UserRole + 1, SectionRole, RowRole, TitleRole };
  enum Section { MainSection = 0, ContactSection = 1, MultiAppsSection = 2, SingleAppsSection = 3 };

  static constexpr int kRowHeight = 48;
  static constexpr int kHeaderHeight = 30;
  // Where "Join our community" leads.
  static constexpr const char* kCommunityUrl = config::kCommunityUrl;

  // Over RemoteConfigManager::shared() (QML).
  explicit LeftViewController(QObject* parent = nullptr);
  // Over another manager (tests); it must outlive the controller.
  explicit LeftViewController(RemoteConfigManager* manager, QObject* parent = nullptr);

  // The check before web pages open; ConnectionCheck::shared() unless set (tests).
  void setConnectionCheck(ConnectionCheck* check) { connectionCheck_ = check; }
  ConnectionCheck& connectionCheck() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  QStringList mainSectionRows() const;
  QStringList contactSectionRows() const;
  const QList<AppMetaData>& multiApps() const { return multiApps_; }
  const QList<AppMetaData>& singleApps() const { return singleApps_; }

  // 4 when the catalogue has entries of both kinds, else 2.
  int numberOfSections() const;
  int numberOfRows(int section) const;
  // " Visit us:" and so on; the first section has none.
  QString titleForHeader(int section) const;
  int heightForHeader(int section) const { return section == MainSection ? 0 : kHeaderHeight; }
  QString titleForRow(int section, int row) const;
  int rowHeight() const { return kRowHeight; }
  int headerHeight() const { return kHeaderHeight; }

  // The drawer opens and closes: menu updates only refill the rows while it is open.
  Q_INVOKABLE void viewWillAppear();
  Q_INVOKABLE void viewWillDisappear();
  bool isVisible() const { return visible_; }

  Q_INVOKABLE void didSelectRow(int section, int row);

  // Rereads the two catalogue lists and rebuilds the rows now.
  void reloadMenu();
  // Opens one catalogue entry: the installed app when possible, else its store page.
  void openApp(const AppMetaData& app);
  // The rating page of this app, after the connection check.
  void rateApp();
  void openCommunity();

 signals:
  void menuChanged();

 private:
  struct Entry {
    bool header = false;
    int section = 0;
    int row = 0;
    QString title;
  };

  RemoteConfigManager& manager() const { return *manager_; }
  void fillApps();
  void rebuildEntries();
  void scheduleReload();
  void openRatingPage();
  // The catalogue's own app schemes: the only ones besides https: ever opened.
  QStringList appSchemes() const;
  // Runs connected when the internet answers, else shows the "no internet" alert.
  void whenConnected(std::function<void()> connected);
  static void showNoInternetAlert();
  static QString languageCode();

  RemoteConfigManager* manager_;
  QPointer<ConnectionCheck> connectionCheck_;
  QList<AppMetaData> multiApps_;
  QList<AppMetaData> singleApps_;
  QList<Entry> entries_;
  bool visible_ = false;
  bool reloadPending_ = false;
};

}  // namespace uc
