#include "ui/menu/left_view_controller.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>
#include <QUrl>

#include "services/analytics.h"
#include "services/catalogue_links.h"
#include "services/connection_check.h"
#include "services/remote_config_manager.h"
#include "services/url_opener.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"

namespace uc {
namespace {

QString sideMenuText(const char* key, const char* comment) {
  return QCoreApplication::translate("SideMenu", key, comment);
}

}  // namespace

LeftViewController::LeftViewController(QObject* parent)
    : LeftViewController(&RemoteConfigManager::shared(), parent) {}

LeftViewController::LeftViewController(RemoteConfigManager* manager, QObject* parent)
    : QAbstractListModel(parent), manager_(manager) {
  fillApps();
  rebuildEntries();
  // Listened to from the start: a catalogue that arrives while the drawer is closed is there
  // when it opens.
  connect(manager_, &RemoteConfigManager::didLoadMenu, this, &LeftViewController::scheduleReload);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
              if (visible_ && state == Qt::ApplicationActive) scheduleReload();
            });
  }
}

ConnectionCheck& LeftViewController::connectionCheck() const {
  return connectionCheck_ ? *connectionCheck_ : ConnectionCheck::shared();
}

QStringList LeftViewController::mainSectionRows() const {
  return {sideMenuText("Calculate Title", "Left Menu: navigate to calculation"),
          sideMenuText("History", "Left Menu: navigate to history"),
          sideMenuText("Practice", "Left Menu: navigate to practice"),
          // The screen's own title, so that menu and toolbar say the same.
          QCoreApplication::translate("ExploreView", "Explore"),
          sideMenuText("introduction", "Left Menu: Introduction"),
          sideMenuText("privacyPolicy", "Left Menu: Privacy Policy")};
}

QStringList LeftViewController::contactSectionRows() const {
  return {sideMenuText("Discord", "Discord"),
          sideMenuText("Rate this App", "Left Menu: Rate this App")};
}

int LeftViewController::numberOfSections() const {
  return !multiApps_.isEmpty() && !singleApps_.isEmpty() ? 4 : 2;
}

int LeftViewController::numberOfRows(int section) const {
  if (section < 0 || section >= numberOfSections()) return 0;
  switch (section) {
    case MainSection:
      return static_cast<int>(mainSectionRows().size());
    case ContactSection:
      return static_cast<int>(contactSectionRows().size());
    case MultiAppsSection:
      return static_cast<int>(multiApps_.size());
    case SingleAppsSection:
      return static_cast<int>(singleApps_.size());
    default:
      return 0;
  }
}

QString LeftViewController::titleForHeader(int section) const {
  switch (section) {
    case ContactSection:
      return QStringLiteral(" ") + sideMenuText("Visit us:", "Left Menu: Section Header: Contact");
    case MultiAppsSection:
      return QStringLiteral(" ") +
             sideMenuText("All in one:", "Left Menu: Section Header: Multi apps");
    case SingleAppsSection:
      return QStringLiteral(" ") +
             sideMenuText("Other apps:", "Left Menu: Section Header: Single apps");
    default:
      return {};
  }
}

QString LeftViewController::languageCode() { return QLocale::languageToCode(QLocale().language()); }

QString LeftViewController::titleForRow(int section, int row) const {
  if (row < 0 || row >= numberOfRows(section)) return {};
  switch (section) {
    case MainSection:
      return mainSectionRows().at(row);
    case ContactSection:
      return contactSectionRows().at(row);
    case MultiAppsSection:
      return multiApps_.at(row).name(languageCode());
    case SingleAppsSection:
      return singleApps_.at(row).name(languageCode());
    default:
      return {};
  }
}

int LeftViewController::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant LeftViewController::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= entries_.size()) return {};
  const Entry& entry = entries_.at(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
      return entry.title;
    case KindRole:
      return entry.header ? QStringLiteral("header") : QStringLiteral("row");
    case SectionRole:
      return entry.section;
    case RowRole:
      return entry.row;
    default:
      return {};
  }
}

QHash<int, QByteArray> LeftViewController::roleNames() const {
  return {{KindRole, "kind"},
          {SectionRole, "sectionIndex"},
          {RowRole, "rowIndex"},
          {TitleRole, "title"}};
}

void LeftViewController::fillApps() {
  multiApps_ = manager().shownMultiApps();
  singleApps_ = manager().shownSingleApps();
}

void LeftViewController::rebuildEntries() {
  entries_.clear();
  for (int section = 0; section < numberOfSections(); ++section) {
    if (heightForHeader(section) > 0) entries_.append({true, section, -1, titleForHeader(section)});
    for (int row = 0; row < numberOfRows(section); ++row) {
      entries_.append({false, section, row, titleForRow(section, row)});
    }
  }
}

void LeftViewController::reloadMenu() {
  reloadPending_ = false;
  beginResetModel();
  fillApps();
  rebuildEntries();
  endResetModel();
  emit menuChanged();
}

void LeftViewController::scheduleReload() {
  // Several updates in one turn of the event loop rebuild the rows once.
  if (reloadPending_) return;
  reloadPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (reloadPending_) reloadMenu();
  });
}

void LeftViewController::viewWillAppear() {
  visible_ = true;
  // Asked now, while the drawer slides in, so that a tap on an app finds the answer there.
  UrlOpener::instance().prepare(appSchemes());
}

void LeftViewController::viewWillDisappear() { visible_ = false; }

void LeftViewController::didSelectRow(int section, int row) {
  if (row < 0 || row >= numberOfRows(section)) return;
  namespace event = analytics::event;
  switch (section) {
    case MainSection:
      switch (row) {
        case 0:
          Analytics::log(event::kTappedMenuCalculate);
          Navigation::shared().goToCalculation();
          break;
        case 1:
          Analytics::log(event::kTappedMenuHistory);
          Navigation::shared().goToHistory();
          break;
        case 2:
          Analytics::log(event::kTappedMenuPractice);
          Navigation::shared().goToPractice();
          break;
        case 3:
          Analytics::log(event::kTappedMenuExplore);
          Navigation::shared().goToExplore();
          break;
        case 4:
          Analytics::log(event::kTappedOnboarding);
          OnboardingManager::shared().present(OnboardingManager::Sequence::Introduction,
                                              OnboardingManager::Presentation::FormSheet, true);
          break;
        case 5:
          Analytics::log(event::kTappedPrivacyPolicy);
          DsgvoManager::shared().showPrivacyNotice();
          break;
      }
      break;
    case ContactSection:
      if (row == 0) {
        Analytics::log(event::kTappedDiscord);
        openCommunity();
      } else {
        Analytics::log(event::kTappedRateApp);
        rateApp();
      }
      break;
    case MultiAppsSection:
      openApp(multiApps_.at(row));
      break;
    case SingleAppsSection:
      openApp(singleApps_.at(row));
      break;
  }
}

QStringList LeftViewController::appSchemes() const { return catalogueAppSchemes(manager()); }

void LeftViewController::openApp(const AppMetaData& app) {
  const QStringList schemes = appSchemes();
  bool hasApp = false;
  // The pro app first, then the free one: whichever is installed opens.
  for (const QString& address : {app.appURLPro, app.appURL}) {
    const QUrl url = catalogueAddress(address);
    if (canOpenAllowedUrl(url, schemes) && openAllowedUrl(url, schemes)) {
      hasApp = true;
      break;
    }
  }
  if (!hasApp) {
    const QUrl store = catalogueAddress(app.storeURLPro);
    if (!store.isEmpty()) openAllowedUrl(store, schemes);
  }
  Analytics::log(
      analytics::event::kTappedAppLink,
      {{analytics::param::kHasApp, hasApp}, {analytics::param::kTiroApp, englishAppName(app)}});
}

void LeftViewController::openCommunity() {
  whenConnected([] { openAllowedUrl(QUrl(QString::fromLatin1(kCommunityUrl))); });
}

void LeftViewController::rateApp() {
  whenConnected([this] { openRatingPage(); });
}

void LeftViewController::openRatingPage() {
  if (!manager().currentApp()) {
    // Without the catalogue entry there is no page; most likely it never arrived.
    showNoInternetAlert();
    return;
  }
  openAppRatingPage(manager());
}

void LeftViewController::whenConnected(std::function<void()> connected) {
  connectionCheck().check(this, std::move(connected), &LeftViewController::showNoInternetAlert);
}

void LeftViewController::showNoInternetAlert() {
  ViewManager::shared().showAlert(sideMenuText("noInternet", "No internet"), QString());
}

}  // namespace uc
