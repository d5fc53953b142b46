#include "ui/onboarding/onboarding_manager.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QVariantMap>
#include <utility>

#include "flow/user_defaults.h"
#include "ui/shell/color_manager.h"

namespace uc {

namespace {

// The page texts are looked up with their own key as comment.
QString onboardingText(const char* key) {
  return QCoreApplication::translate("Onboarding", key, key);
}

QList<OnboardingPageDescriptor> descriptors(
    std::initializer_list<std::pair<const char*, const char*>> pages) {
  QList<OnboardingPageDescriptor> result;
  for (const auto& [image, key] : pages) {
    result.append({QString(), QString::fromLatin1(image), QString(), onboardingText(key)});
  }
  return result;
}

}  // namespace

OnboardingManager& OnboardingManager::shared() {
  static OnboardingManager* instance = new OnboardingManager();
  return *instance;
}

OnboardingManager* OnboardingManager::create(QQmlEngine*, QJSEngine*) {
  OnboardingManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

const QList<OnboardingPageDescriptor>& OnboardingManager::introductionDescriptors() {
  static const QList<OnboardingPageDescriptor> pages = descriptors({
      {"main_onboarding_1", "onboardingA"},
      {"single_onboarding_2", "onboardingB"},
      {"single_onboarding_3", "onboardingC"},
      {"single_onboarding_4", "onboardingD"},
      {"main_onboarding_4", "onboardingE"},
  });
  return pages;
}

const QList<OnboardingPageDescriptor>& OnboardingManager::videoInstructionDescriptors() {
  static const QList<OnboardingPageDescriptor> pages = descriptors({
      {"onboarding_youtube_1", "onboardingYoutube1"},
      {"onboarding_youtube_2", "onboardingYoutube2"},
      {"onboarding_youtube_3", "onboardingYoutube3"},
      {"onboarding_youtube_4", "onboardingYoutube4"},
      {"onboarding_youtube_5", "onboardingYoutube5"},
  });
  return pages;
}

QString OnboardingManager::localizedAppName() {
  // The key's translation is itself a key, so that every app of the family can share it.
  const QByteArray name = QCoreApplication::translate("Main", "appName").toUtf8();
  return QCoreApplication::translate("Main", name.constData(), "The main app name");
}

QList<OnboardingPageItem> OnboardingManager::pageItems(
    const QList<OnboardingPageDescriptor>& descriptors) {
  const QString quotedName = QLatin1Char('"') + localizedAppName() + QLatin1Char('"');
  const QString next = QCoreApplication::translate("Onboarding", "next", "Next");
  const QString letsStart = QCoreApplication::translate("Onboarding", "letsStart", "Let's start");
  QList<OnboardingPageItem> items;
  for (qsizetype i = 0; i < descriptors.size(); ++i) {
    const OnboardingPageDescriptor& page = descriptors.at(i);
    QString description = page.description;
    description.replace(QString::fromUtf8(kAppNamePlaceholder), quotedName);
    items.append({page.title, page.imageName, page.secondText, description,
                  i + 1 == descriptors.size() ? letsStart : next});
  }
  return items;
}

bool OnboardingManager::isOnboardingFinished() const {
  return UserDefaults::standard().boolValue(QString::fromLatin1(kOnboardingFinishedKey));
}

void OnboardingManager::present(Sequence sequence, Presentation presentation, bool animated,
                                std::function<void()> followUp) {
  if (presented_) return;
  presented_ = true;
  sequence_ = sequence;
  presentation_ = presentation;
  animated_ = animated;
  pages_.clear();
  for (const OnboardingPageItem& item :
       pageItems(sequence == Sequence::Introduction ? introductionDescriptors()
                                                    : videoInstructionDescriptors())) {
    pages_.append(QVariantMap{{QStringLiteral("title"), item.title},
                              {QStringLiteral("imageName"), item.imageName},
                              {QStringLiteral("secondText"), item.secondText},
                              {QStringLiteral("description"), item.description},
                              {QStringLiteral("buttonTitle"), item.buttonTitle}});
  }
  followUp_ = std::move(followUp);
  emit presentationChanged();
}

QColor OnboardingManager::tintColor() const { return ColorManager::shared().tintColor(); }

void OnboardingManager::close() {
  presented_ = false;
  pages_.clear();
  emit presentationChanged();
}

void OnboardingManager::finish() {
  if (!presented_) return;
  UserDefaults::standard().setBool(QString::fromLatin1(kOnboardingFinishedKey), true);
  std::function<void()> followUp = std::exchange(followUp_, {});
  close();
  emit finished();
  if (followUp) followUp();
}

void OnboardingManager::dismiss() {
  if (!presented_) return;
  followUp_ = {};
  close();
}

}  // namespace uc
