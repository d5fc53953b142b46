#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "services/analytics.h"
#include "ui/explore/explore_view_controller.h"
#include "ui/shell/navigation.h"
#include "window_driver.h"
#include "window_test.h"

using uc::ExploreViewController;

// The Explore screen in the app's window, moved by the arrow keys and by a pointer.
class TestExploreView : public QObject {
  Q_OBJECT

 public:
  explicit TestExploreView(const QString& settings) : settings_(settings) {}

 private:
  ExploreViewController* controller() const {
    QQuickItem* loader = driver_.item("exploreLoader");
    QObject* view = loader ? qvariant_cast<QObject*>(loader->property("item")) : nullptr;
    return view ? qobject_cast<ExploreViewController*>(
                      qvariant_cast<QObject*>(view->property("controller")))
                : nullptr;
  }

  QRectF box(const char* name) const {
    QQuickItem* found = driver_.item(name);
    return found ? found->mapRectToScene(QRectF(0, 0, found->width(), found->height())) : QRectF();
  }

  QVariant attached(const char* name, const char* property) const {
    QQuickItem* found = driver_.item(name);
    return found ? QQmlProperty::read(found, QString::fromLatin1(property), qmlContext(found))
                 : QVariant();
  }

  // Scrolled into sight first: on a phone the graph's and the question's buttons lie below the
  // circle.
  bool tapInView(const char* name) {
    QQuickItem* target = driver_.item(name);
    QQuickItem* scroll = driver_.item("exploreScroll");
    if (!target || !scroll) return false;
    auto* content = qvariant_cast<QQuickItem*>(scroll->property("contentItem"));
    const double top = content->mapFromItem(target, QPointF(0, 0)).y();
    const double most =
        std::max(0.0, scroll->property("contentHeight").toDouble() - scroll->height());
    scroll->setProperty("contentY", std::clamp(top - 16, 0.0, most));
    return driver_.tap(name);
  }

  // A press at `degrees` inside the circle, dragged on to `to`.
  void drag(double degrees, double to) {
    QQuickItem* area = driver_.item("exploreCircleArea");
    QVERIFY(area);
    driver_.item("exploreScroll")->setProperty("contentY", 0);
    const QPointF centre = area->mapToScene(QPointF(area->width() / 2, area->height() / 2));
    const double reach = std::min(area->width(), area->height()) * 0.3;
    const auto at = [&](double angle) {
      const double radians = angle * std::numbers::pi / 180;
      return (centre + QPointF(reach * std::cos(radians), -reach * std::sin(radians))).toPoint();
    };
    QTest::mousePress(window_, Qt::LeftButton, {}, at(degrees));
    for (double angle = degrees; angle < to; angle += 10) QTest::mouseMove(window_, at(angle));
    QTest::mouseMove(window_, at(to));
    QTest::mouseRelease(window_, Qt::LeftButton, {}, at(to));
  }

  // The inverse question as a learner asks it: the function, the value, the button.
  void ask(int functionIndex, const char* value) {
    QQuickItem* box = driver_.item("exploreInverseFunction");
    QVERIFY(box);
    box->setProperty("currentIndex", functionIndex);
    QQuickItem* field = driver_.item("exploreInverseValue");
    QVERIFY(field);
    field->setProperty("text", QString::fromUtf8(value));
    QQuickItem* button = driver_.item("exploreInverseButton");
    QVERIFY(button);
    QMetaObject::invokeMethod(button, "clicked");
  }

  static QList<double> solutionDegrees(const ExploreViewController& explore) {
    QList<double> degrees;
    for (const QVariant& solution : explore.inverseSolutions()) {
      degrees << solution.toMap().value("degrees").toDouble();
    }
    return degrees;
  }

 private slots:
  void initTestCase() {
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    window_ = startRecordedWindow(settings_, engine_, recorder_);
    QVERIFY(window_);
    driver_.setWindow(window_);
  }

  // From the menu's navigation the screen replaces the pages under the toolbar, quietly.
  void theScreenOpensWithoutWarnings() {
    // The view's own warnings; the remote configuration's come when they come.
    QTest::failOnWarning(QRegularExpression("qrc:|qml|QML|Explore"));
    uc::Navigation::shared().goToExplore();
    QTRY_COMPARE(driver_.read("exploreLoader", "status").toInt(), 1);  // Loader.Ready
    QCOMPARE(driver_.read("toolbarTitle", "text").toString(), QStringLiteral("Explore"));
    QVERIFY(driver_.item("pageTabBarController") == nullptr);
    QVERIFY(controller());
    QCOMPARE(controller()->degrees(), 0);
    QVERIFY(controller()->snap());
    QTRY_VERIFY(driver_.item("exploreValueLine"));
    QTest::qWait(50);
  }

  // The arrow keys step from special angle to special angle up to 135°: the exact values,
  // the reference angle and the quadrant follow, and screen readers hear α.
  void arrowKeysStepTo135Degrees() {
    ExploreViewController& explore = *controller();
    QTRY_COMPARE(window_->activeFocusItem(), driver_.item("exploreCircle"));
    for (int press = 0; press < 40 && explore.degrees() != 135; ++press) {
      QTest::keyClick(window_, Qt::Key_Right);
    }
    QCOMPARE(explore.degrees(), 135);
    QCOMPARE(explore.alphaLatex(), QStringLiteral("135^{\\circ}"));
    QCOMPARE(explore.sinLatex(), QStringLiteral("\\frac{\\sqrt{2}}{2}"));
    QVERIFY2(explore.cosLatex().startsWith('-') && explore.cosLatex().contains("\\sqrt{2}"),
             qPrintable(explore.cosLatex()));
    QCOMPARE(explore.referenceDegrees(), 45);
    QVERIFY(explore.referenceLatex().contains("45"));
    QCOMPARE(explore.quadrant(), 2);
    QCOMPARE(explore.placeText(), QStringLiteral("Quadrant II"));
    QVERIFY(explore.valueLines().contains(QStringLiteral("\\sin\\alpha = \\frac{\\sqrt{2}}{2}")));
    QCOMPARE(driver_.read("exploreQuadrantNumeral", "text").toString(), QStringLiteral("II"));
    QCOMPARE(attached("exploreCircle", "Accessible.description").toString(), explore.valueText());
    QVERIFY(explore.valueText().contains("135"));

    // Back down by one special angle, then up again.
    QTest::keyClick(window_, Qt::Key_Down);
    QVERIFY(explore.degrees() < 135 && explore.degrees() > 90);
    QTest::keyClick(window_, Qt::Key_Up);
    QCOMPARE(explore.degrees(), 135);

    // The point swept 0° to 135°: the trail and the tracer are on the graph.
    QCOMPARE(explore.sweptMin(), 0);
    QCOMPARE(explore.sweptMax(), 135);
    QVERIFY(!explore.graph().value("trail").toList().isEmpty());
    QVERIFY(explore.graph().value("tracer").isValid());
  }

  // A drag near 134° lands on 135° while snapping, on the whole degree without; off, the keys
  // step single degrees.
  void snappingDecidesWhereTheDragLands() {
    ExploreViewController& explore = *controller();
    explore.setDegrees(0);
    drag(20, 133.6);
    QCOMPARE(explore.degrees(), 135);

    QVERIFY(tapInView("exploreSnapSwitch"));
    QVERIFY(!explore.snap());
    drag(20, 133.6);
    QCOMPARE(explore.degrees(), 134);
    QTest::keyClick(window_, Qt::Key_Right);
    QCOMPARE(explore.degrees(), 135);
    QTest::keyClick(window_, Qt::Key_Left);
    QCOMPARE(explore.degrees(), 134);

    // Round the centre once more: the angle counts the turn instead of jumping back.
    drag(134, 400);
    QVERIFY2(explore.degrees() >= 395 && explore.degrees() <= 405,
             qPrintable(QString::number(explore.degrees())));
    QCOMPARE(explore.positionDegrees(), explore.degrees() - 360);

    QVERIFY(tapInView("exploreSnapSwitch"));
    QVERIFY(explore.snap());
  }

  // The tangent is undefined at 90°: no value, a word in the panel, no tracer on its graph.
  void theTangentIsUndefinedAt90Degrees() {
    ExploreViewController& explore = *controller();
    explore.setDegrees(90);
    QVERIFY(!explore.tanDefined());
    QVERIFY(explore.tanLatex().isEmpty());
    QVERIFY(explore.valueLines().value(4).contains("undefined"));
    QCOMPARE(explore.quadrant(), -1);
    QCOMPARE(explore.placeText(), QStringLiteral("on the positive y-axis"));
    QVERIFY(!driver_.read("exploreTanLabel", "visible").toBool());

    explore.setGraphFunction("tan");
    QVERIFY(!explore.graph().value("tracer").isValid());
    QVERIFY(explore.graph().value("curve").toList().size() >= 2);  // pieces between the poles
    explore.setGraphFunction("sin");
  }

  // A new function or Clear trail starts the trail at the point.
  void theTrailStartsAfreshForANewFunctionOrWhenCleared() {
    ExploreViewController& explore = *controller();
    explore.setDegrees(30);
    explore.setDegrees(200);
    QVERIFY(explore.sweptMax() - explore.sweptMin() >= 170);
    explore.setGraphFunction("cos");
    QCOMPARE(explore.sweptMin(), 200);
    QCOMPARE(explore.sweptMax(), 200);
    explore.setDegrees(240);
    QCOMPARE(explore.sweptMin(), 200);
    QCOMPARE(explore.sweptMax(), 240);
    QVERIFY(tapInView("exploreClearTrailButton"));
    QCOMPARE(explore.sweptMin(), 240);
    QCOMPARE(explore.sweptMax(), 240);
    explore.setGraphFunction("sin");
  }

  // The angles sharing 135°'s reference angle with their signs.
  void theSharedAnglesShowTheirSigns() {
    ExploreViewController& explore = *controller();
    explore.setDegrees(135);
    QVERIFY(driver_.item("exploreShared_225") == nullptr);
    QVERIFY(tapInView("exploreSharedSwitch"));
    for (const char* name :
         {"exploreShared_45", "exploreShared_135", "exploreShared_225", "exploreShared_315"}) {
      QTRY_VERIFY2(driver_.item(name), name);
    }
    QVERIFY(driver_.item("exploreSignTable"));
    const QVariantList shared = explore.sharedAngles();
    QCOMPARE(shared.size(), 4);
    const auto find = [&](int degrees) {
      for (const QVariant& angle : shared) {
        if (angle.toMap().value("degrees").toInt() == degrees) return angle.toMap();
      }
      return QVariantMap();
    };
    QCOMPARE(find(135).value("isPoint").toBool(), true);
    QCOMPARE(find(135).value("sin").toString(), QStringLiteral("+"));
    QCOMPARE(find(135).value("cos").toString(), QStringLiteral("\u2212"));
    QCOMPARE(find(135).value("tan").toString(), QStringLiteral("\u2212"));
    QCOMPARE(find(225).value("tan").toString(), QStringLiteral("+"));
    QVERIFY(tapInView("exploreSharedSwitch"));
  }

  // Which α give a value: exact angles with their general forms, on the circle and the graph.
  void theInverseQuestionListsEveryAngle() {
    ExploreViewController& explore = *controller();
    explore.setGraphFunction("cos");
    ask(0, "1/2");
    QCOMPARE(solutionDegrees(explore), (QList<double>{30, 150}));
    const QVariantMap first = explore.inverseSolutions().first().toMap();
    QCOMPARE(first.value("latex").toString(), QStringLiteral("30^{\\circ}"));
    QCOMPARE(first.value("generalLatex").toString(),
             QStringLiteral("30^{\\circ} + k \\cdot 360^{\\circ}"));
    QVERIFY(explore.inverseMessage().isEmpty());
    // The graph turns to sin and shows the line with both crossings.
    QCOMPARE(explore.graphFunction(), QStringLiteral("sin"));
    QVERIFY(explore.graph().value("line").isValid());
    QCOMPARE(explore.graph().value("crossings").toList().size(), 2);
    QTRY_VERIFY(driver_.item("exploreSolution"));
    QVERIFY(driver_.read("exploreInverseLine", "visible").toBool());

    ask(2, "1");
    QCOMPARE(solutionDegrees(explore), (QList<double>{45, 225}));
    QVERIFY(explore.inverseSolutions()
                .last()
                .toMap()
                .value("generalLatex")
                .toString()
                .endsWith(QStringLiteral("+ k \\cdot 180^{\\circ}")));
    QCOMPARE(explore.graphFunction(), QStringLiteral("tan"));
  }

  // A value never taken says so; an unreadable one says why; Clear forgets the question.
  void aValueWithoutAnswersSaysWhy() {
    ExploreViewController& explore = *controller();
    ask(0, "2");
    QVERIFY(explore.inverseSolutions().isEmpty());
    QCOMPARE(explore.inverseMessage(), QStringLiteral("no solution"));
    QVERIFY(!explore.inverseUnreadable());
    QCOMPARE(driver_.read("exploreInverseMessage", "text").toString(),
             QStringLiteral("no solution"));
    QVERIFY(driver_.item("exploreSolution") == nullptr);
    // The line y = 2 lies above the plot: not drawn over what is above it.
    QVERIFY(explore.graph().value("line").isValid());
    QVERIFY(driver_.item("exploreInverseGraphLine") == nullptr);

    ask(1, "1/");
    QVERIFY(explore.inverseUnreadable());
    QCOMPARE(explore.inverseMessage(),
             QCoreApplication::translate("Core", "exploreValueUnreadable"));
    QVERIFY(explore.inverseMessage() != QStringLiteral("exploreValueUnreadable"));
    QVERIFY(!explore.graph().value("line").isValid());

    QVERIFY(tapInView("exploreClearInverseButton"));
    QVERIFY(!explore.inverseAsked());
    QVERIFY(explore.inverseMessage().isEmpty());
    QVERIFY(driver_.read("exploreInverseValue", "text").toString().isEmpty());
  }

  // Circle and graph side by side on a wide window, one under the other on a phone.
  void theLayoutFollowsTheWindowWidth() {
    window_->resize(1200, 800);
    QTRY_VERIFY(box("exploreGraph").left() >= box("exploreCircle").right());
    QVERIFY(box("exploreCircle").bottom() <= window_->height());
    window_->resize(360, 640);
    QTRY_VERIFY(box("exploreGraph").top() >= box("exploreCircle").bottom());
    QVERIFY(box("exploreCircle").right() <= window_->width());
  }

 private:
  QString settings_;
  QQmlApplicationEngine engine_;
  QQuickWindow* window_ = nullptr;
  WindowDriver driver_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
};

int main(int argc, char* argv[]) { return runWindowTest<TestExploreView>(argc, argv); }

#include "tst_explore_view.moc"
