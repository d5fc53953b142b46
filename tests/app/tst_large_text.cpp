#include <QtQuickTest/quicktest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "flow/error_manager.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/text_scale.h"
#include "ui/shell/view_manager.h"
#include "window_driver.h"
#include "window_test.h"

// The whole app at twice the text size on a phone: nothing is cut off, what is too long
// wraps or scrolls, and the keyboard changes the size.
class TestLargeText : public QObject {
  Q_OBJECT

 public:
  explicit TestLargeText(const QString& settings) : settings_(settings) {}

 private:
  QQuickItem* item(const char* name) const { return driver_.item(name); }
  void tap(const char* name) { QVERIFY2(driver_.tap(name), name); }

  // Every visible item below root for which test holds.
  static QList<QQuickItem*> visibleItems(QQuickItem* root,
                                         const std::function<bool(QQuickItem*)>& test) {
    QList<QQuickItem*> found;
    QList<QQuickItem*> stack{root};
    while (!stack.isEmpty()) {
      QQuickItem* next = stack.takeLast();
      if (!next->isVisible() || next->opacity() == 0) continue;
      if (test(next)) found << next;
      stack << next->childItems();
    }
    return found;
  }
  QList<QQuickItem*> named(const char* name) const {
    return visibleItems(window_->contentItem(),
                        [name](QQuickItem* i) { return i->objectName() == QLatin1String(name); });
  }
  static QRectF sceneBox(const QQuickItem* i) {
    return i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
  }

  // The texts on screen that lost their end to an ellipsis or a line limit.
  QStringList truncatedTexts() const {
    QStringList texts;
    for (QQuickItem* i : visibleItems(window_->contentItem(), [](QQuickItem* i) {
           return i->inherits("QQuickText") && i->property("truncated").toBool();
         })) {
      texts << i->property("text").toString();
    }
    return texts;
  }

  void wheelDown(QQuickItem* over) {
    const QPointF at = over->mapToScene(QPointF(over->width() / 2, over->height() / 2));
    QWheelEvent wheel(at, window_->mapToGlobal(at.toPoint()), {}, QPoint(0, -360), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window_, &wheel);
  }

 private slots:
  void initTestCase() {
    uc::UserDefaults::setStandardFilePath(settings_);
    QVERIFY(uc::UserDefaults::standard().setInt(uc::TextScale::kTextScaleKey, 200));
    window_ = startAsReturningUser(engine_);
    QVERIFY(window_);
    driver_.setWindow(window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(uc::TextScale::shared().percent(), 200);
  }

  void theInputPageFitsItsText() {
    QTRY_VERIFY(item("key_7"));
    QCOMPARE(truncatedTexts(), QStringList());
    const QList<QQuickItem*> titles = named("keyTitle");
    QVERIFY(titles.size() >= 15);
    for (QQuickItem* title : titles) {
      const QRectF key = sceneBox(title->parentItem());
      const QRectF text =
          title->mapRectToScene(QRectF(0, 0, title->property("contentWidth").toDouble(),
                                       title->property("contentHeight").toDouble()));
      QVERIFY2(key.contains(text.adjusted(2, 6, -2, -6)),
               qPrintable(title->property("text").toString()));
    }
  }

  // The German prompt takes more lines on a phone: the keys then keep off the fields, stay
  // full size, and the page scrolls to the lowest of them.
  void theGermanInputPageKeepsTheFieldsClear() {
    QVERIFY(uc::i18n::installTranslations("de"));
    engine_.retranslate();
    QTRY_VERIFY(item("key_7"));
    QCOMPARE(window_->width(), 360);
    QQuickItem* keypad = item("keypad");
    QVERIFY(keypad);
    const auto keys = [keypad] {
      QList<QRectF> boxes;
      for (QQuickItem* key : keypad->childItems()) {
        if (key->isVisible()) boxes << sceneBox(key);
      }
      return boxes;
    };
    QTRY_VERIFY(keys().size() >= 18);
    // Where the window has laid the new words out.
    QVERIFY(QQuickTest::qWaitForPolish(window_));
    const QRectF alpha = sceneBox(item("alphaTextField"));
    const QRectF b = sceneBox(item("bTextField"));
    for (const QRectF& key : keys()) {
      QVERIFY(!key.intersects(alpha) && !key.intersects(b));
      QVERIFY(key.height() >= 48);
    }
    QQuickItem* calculate = item("calculateButton");
    for (int i = 0; i < 10 && sceneBox(calculate).bottom() > window_->height(); ++i) {
      wheelDown(keypad);
      QTest::qWait(50);
    }
    QVERIFY(QRectF(0, 0, window_->width(), window_->height()).contains(sceneBox(calculate)));
    QVERIFY(uc::i18n::installTranslations("en"));
    engine_.retranslate();
  }

  // Card lines break into rows that fit the card; step titles wrap; formulas keep their height.
  void theResultWrapsWhatIsTooWide() {
    tap("key_2");
    tap("key_2");
    tap("key_5");
    tap("calculateButton");
    QQuickItem* table = item("solutionTable");
    QVERIFY(table);
    QTRY_VERIFY(table->property("count").toInt() >= 23);
    // At twice the size some lines of the card need two rows or three.
    QTRY_VERIFY(named("exactValuesLine").size() > 6);
    QQuickItem* card = item("exactValuesCard");
    const QList<QQuickItem*> rows = named("exactValuesLine");
    for (QQuickItem* row : rows) {
      QVERIFY2(sceneBox(card).contains(sceneBox(row)),
               qPrintable(row->property("latex").toString()));
    }

    int cellsSeen = 0;
    const int count = table->property("count").toInt();
    for (int index = 0; index < count; ++index) {
      QMetaObject::invokeMethod(table, "positionViewAtIndex", Q_ARG(int, index),
                                Q_ARG(int, 1));  // ListView.Beginning
      QTest::qWait(10);
      QVERIFY2(truncatedTexts().isEmpty(), qPrintable(truncatedTexts().join(" | ")));
      for (QQuickItem* cell : named("solutionStepCell")) {
        auto* title = cell->findChild<QQuickItem*>(QStringLiteral("stepTitleLabel"));
        auto* formula = cell->findChild<QQuickItem*>(QStringLiteral("formulaScrollView"));
        auto* math = cell->findChild<QQuickItem*>(QStringLiteral("mathLabel"));
        QVERIFY(title && formula && math);
        if (!formula->isVisible()) continue;
        ++cellsSeen;
        QVERIFY(sceneBox(title).bottom() <= sceneBox(formula).top() + 0.5);
        QVERIFY2(math->height() <= formula->height() + 0.5,
                 qPrintable(math->property("latex").toString()));
      }
    }
    QVERIFY(cellsSeen >= 22);
  }

  // The counting labels keep twice their size: too large for the circle's sides on a phone,
  // they stand under the circle, clear of it and on the card.
  void theCircleLabelsGrowWithTheText() {
    QQuickItem* table = item("solutionTable");
    QList<QQuickItem*> circles;
    for (int row = 0; row < 60 && circles.isEmpty(); ++row) {
      QMetaObject::invokeMethod(table, "positionViewAtIndex", Q_ARG(int, row),
                                Q_ARG(int, 1));  // ListView.Beginning
      QTest::qWait(10);
      circles = named("unitCircleView");
    }
    QVERIFY2(!circles.isEmpty(), "the unit circle's row");
    QQuickItem* circle = circles.first();
    QQuickItem* card = circle->findChild<QQuickItem*>(QStringLiteral("chartCard"));
    QVERIFY(card);
    const double cx = circle->property("cx").toDouble();
    const double cy = circle->property("cy").toDouble();
    const double reach = circle->property("axisReach").toDouble();
    const QRectF drawing =
        circle->mapRectToScene(QRectF(cx - reach, cy - reach, 2 * reach, 2 * reach));
    for (const char* name :
         {"alphaLabel", "gammaLabel", "fullCirclesLabel", "pXLabel", "pYLabel"}) {
      auto* label = circle->findChild<QQuickItem*>(QLatin1String(name));
      QVERIFY2(label, name);
      QVERIFY2(label->property("font").value<QFont>().pixelSize() >= 28, name);
      QVERIFY2(!sceneBox(label).intersects(drawing), name);
      QVERIFY2(sceneBox(card).contains(sceneBox(label)), name);
    }
  }

  // The menu's rows grow with their text; the privacy notice from the menu scrolls between its
  // title and its button.
  void theMenuAndANoticeOverItStayReadable() {
    QMetaObject::invokeMethod(window_, "openDrawer");
    QObject* drawer = qvariant_cast<QObject*>(window_->property("drawer"));
    QTRY_VERIFY(drawer && drawer->property("opened").toBool());
    QQuickItem* menu = qvariant_cast<QQuickItem*>(drawer->property("contentItem"));
    QVERIFY(menu);
    const auto rows = visibleItems(
        menu, [](QQuickItem* i) { return i->objectName() == QLatin1String("leftMenuRow"); });
    QVERIFY(rows.size() >= 6);
    for (QQuickItem* row : rows) {
      auto* label = qvariant_cast<QQuickItem*>(row->property("contentItem"));
      QVERIFY2(label->implicitHeight() <= row->height(),
               qPrintable(row->property("text").toString()));
    }

    // The notice from the menu, over the open drawer.
    uc::DsgvoManager::shared().showPrivacyNotice();
    QTRY_VERIFY(item("alertMessageScroll"));
    QQuickItem* scroll = item("alertMessageScroll");
    QTRY_VERIFY(item("alertActionButton0"));
    QTest::qWait(300);  // the opening transition
    QVERIFY(sceneBox(item("dialogTitle")).bottom() <= sceneBox(scroll).top());
    QVERIFY(sceneBox(scroll).bottom() <= sceneBox(item("alertActionButton0")).top());
    auto* flick = qvariant_cast<QQuickItem*>(scroll->property("contentItem"));
    QVERIFY(flick->property("contentHeight").toDouble() > scroll->height());
    wheelDown(scroll);
    QTRY_VERIFY(flick->property("contentY").toDouble() > 0);
    tap("alertActionButton0");
    QTRY_VERIFY(!uc::ViewManager::shared().alertVisible());
  }

  // The introduction from the menu keeps its pictures large enough to read; the text scrolls.
  void theIntroductionKeepsItsPictures() {
    uc::OnboardingManager::shared().presentIntroduction();
    QTRY_VERIFY(item("onboardingImage"));
    QQuickItem* pages = item("onboardingPages");
    QQuickItem* picture = item("onboardingImage");
    QVERIFY(picture->height() >= 0.5 * pages->height());
    auto* page = picture->parentItem()->parentItem();  // the page's content, then the page
    QVERIFY(page->property("interactive").toBool());
    wheelDown(page);
    QTRY_VERIFY(page->property("contentY").toDouble() > 0);
    uc::OnboardingManager::shared().finish();
    QTRY_VERIFY(!item("onboardingImage"));
    QMetaObject::invokeMethod(window_, "closeDrawer");
  }

  // Ctrl and - or 0 change the size at once, say so, and keep it.
  // Every message about the input, in both languages, shows whole in the two-line toast and
  // leaves the keypad uncovered.
  void inputMessagesFitAndLeaveTheKeysFree() {
    QTRY_VERIFY(item("key_7"));
    const QStringList cases = {"inputParameterError",
                               "fractionIncomplete",
                               "inputZeroInDenominator",
                               "toManyNaturalConstantsInSubstring",
                               "toManyVariablesInSubstring",
                               "naturalConstantInWrongPositionOfSubstring",
                               "valueOutOfRange",
                               "notEnoughInputValues",
                               "mustBeBiggerThanXAndLessThanY§-360000000§360000000",
                               "mustBeGreatherThanX§-360000000",
                               "mustBeLessThanX§360000000"};
    uc::ToastModel& toasts = *uc::ViewManager::shared().toasts();
    for (const char* language : {"en", "de"}) {
      QVERIFY(uc::i18n::installTranslations(language));
      engine_.retranslate();
      QTest::qWait(100);
      for (const QString& errorCase : cases) {
        const QString message = uc::ErrorManager::presentationFor(errorCase).message;
        QVERIFY2(message != errorCase.section(QChar(0xa7), 0, 0), qPrintable(errorCase));
        uc::ViewManager::shared().showToast(message);
        QTest::qWait(30);
        QList<QQuickItem*> shown = named("toast");
        QCOMPARE(shown.size(), 1);
        QQuickItem* label = shown.first()->findChild<QQuickItem*>("toastText");
        QVERIFY(label);
        QVERIFY2(!label->property("truncated").toBool(), qPrintable(message));
        // Still large: the lines shrink to fit the box, but not back to the normal size.
        QFont normal = label->property("font").value<QFont>();
        normal.setPixelSize(14);
        const double lineHeight =
            label->property("contentHeight").toDouble() / label->property("lineCount").toInt();
        QVERIFY2(lineHeight >= 1.4 * QFontMetricsF(normal).height(), qPrintable(message));
        for (QQuickItem* title : named("keyTitle")) {
          QVERIFY2(!sceneBox(shown.first()).intersects(sceneBox(title->parentItem())),
                   qPrintable(message + " covers " + title->property("text").toString()));
        }
        uc::ViewManager::shared().triggerToastAction(toasts.idAt(0));
        QTRY_COMPARE(named("toast").size(), 0);
      }
    }
    QVERIFY(uc::i18n::installTranslations("en"));
    engine_.retranslate();
  }

  void theKeyboardChangesTheSize() {
    QQuickItem* key = item("keyTitle");
    QVERIFY(key);
    const double large = key->property("font").value<QFont>().pixelSize();
    QTest::keyClick(window_, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(uc::TextScale::shared().percent(), 175);
    uc::ToastModel* toasts = uc::ViewManager::shared().toasts();
    QTRY_VERIFY(toasts->rowCount() > 0);
    QCOMPARE(toasts->textAt(toasts->rowCount() - 1), QStringLiteral("Text size 175 %"));
    QTest::keyClick(window_, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(uc::TextScale::shared().percent(), 100);
    QCOMPARE(uc::UserDefaults::standard().intValue(uc::TextScale::kTextScaleKey), 100);
    QTRY_VERIFY(key->property("font").value<QFont>().pixelSize() < large);
    QCOMPARE(key->property("font").value<QFont>().pixelSize(), 26);
  }

 private:
  QString settings_;
  QQmlApplicationEngine engine_;
  QQuickWindow* window_ = nullptr;
  WindowDriver driver_;
};

int main(int argc, char* argv[]) { return runWindowTest<TestLargeText>(argc, argv); }

#include "tst_large_text.moc"
