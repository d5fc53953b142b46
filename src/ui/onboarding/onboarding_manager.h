#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>

class QQmlEngine;
class QJSEngine;

namespace uc {

// One page of an onboarding sequence as it is written down: title, image, a second text
// (empty on every page) and the description.
struct OnboardingPageDescriptor {
  QString title;
  QString imageName;
  QString secondText;
  QString description;
};

// One page as the onboarding screen shows it.
struct OnboardingPageItem {
  QString title;
  QString imageName;
  QString secondText;
  QString description;  // "§appname" replaced
  QString buttonTitle;  // "next", or "letsStart" on the last page
};

// The illustrated page sequences: the introduction (first launch, side menu) and the video
// instructions (video strip). One sequence is on screen at a time; the shell's onboarding
// screen shows the presented one, and finishing it marks onboarding as done.
class OnboardingManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(bool presented READ isPresented NOTIFY presentationChanged)
  Q_PROPERTY(QVariantList pages READ pages NOTIFY presentationChanged)
  Q_PROPERTY(bool formSheet READ isFormSheet NOTIFY presentationChanged)
  Q_PROPERTY(bool animated READ isAnimated NOTIFY presentationChanged)
  Q_PROPERTY(QColor tintColor READ tintColor CONSTANT)

 public:
  enum class Sequence { Introduction, VideoInstructions };
  // Over the whole window (first launch, menu) or as a card in front of it (video strip).
  enum class Presentation { OverFullScreen, FormSheet };

  static constexpr char kOnboardingFinishedKey[] = "isOnboardingFinished";
  static constexpr char kAppNamePlaceholder[] = "§appname";

  // The one instance; QML gets the same one.
  static OnboardingManager& shared();
  static OnboardingManager* create(QQmlEngine*, QJSEngine*);

  // The fixed sequences, built once.
  static const QList<OnboardingPageDescriptor>& introductionDescriptors();
  static const QList<OnboardingPageDescriptor>& videoInstructionDescriptors();
  // One item per descriptor, with its button title and the app's name in quotes in place
  // of "§appname".
  static QList<OnboardingPageItem> pageItems(const QList<OnboardingPageDescriptor>& descriptors);
  // The app's name as its translations give it.
  static QString localizedAppName();

  bool isOnboardingFinished() const;

  // Shows the sequence unless one is on screen already; followUp runs after finish.
  void present(Sequence sequence, Presentation presentation, bool animated,
               std::function<void()> followUp = {});
  Q_INVOKABLE void presentIntroduction() {
    present(Sequence::Introduction, Presentation::OverFullScreen, true);
  }
  bool isPresented() const { return presented_; }
  Sequence presentedSequence() const { return sequence_; }
  // The presented pages as the screen reads them: title, imageName, secondText,
  // description and buttonTitle per page.
  const QVariantList& pages() const { return pages_; }
  bool isFormSheet() const { return presentation_ == Presentation::FormSheet; }
  bool isAnimated() const { return animated_; }
  QColor tintColor() const;

  // The last page's button: stores isOnboardingFinished, closes, runs the follow-up.
  Q_INVOKABLE void finish();
  // Closed without reaching the end (a form sheet sent away): nothing is stored.
  Q_INVOKABLE void dismiss();

 signals:
  void presentationChanged();
  void finished();

 private:
  OnboardingManager() = default;
  void close();

  bool presented_ = false;
  Sequence sequence_ = Sequence::Introduction;
  Presentation presentation_ = Presentation::OverFullScreen;
  bool animated_ = false;
  QVariantList pages_;
  std::function<void()> followUp_;
};

}  // namespace uc
