#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
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
    const auto scrollTo = [&] {
      const double top = content->mapFromItem(target, QPointF(0, 0)).y();
      const double most =
          std::max(0.0, scroll->property("contentHeight").toDouble() - scroll->height());
      scroll->setProperty("contentY", std::clamp(top - 16, 0.0, most));
    };
    scrollTo();
    // A keypad just opened still grows the page and scrolls it itself: let that settle first.
    QTest::qWait(50);
    scrollTo();
    return driver_.tap(name);
  }

  // A key of the keypad by its title ("√", "3", "check"), scrolled into sight and tapped.
  bool tapKey(const char* title) {
    QQuickItem* keypad = driver_.item("exploreKeypad");
    if (!keypad) return false;
    const QString name = QStringLiteral("exploreKey_") + QString::fromUtf8(title);
    for (QQuickItem* key : keypad->childItems()) {
      if (key->objectName() != name) continue;
      key->setObjectName(QStringLiteral("exploreKeyTapped"));
      const bool tapped = tapInView("exploreKeyTapped");
      key->setObjectName(name);
      return tapped;
    }
    return false;
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
    controller()->setInverseDraft(QString::fromUtf8(value));
    QQuickItem* button = driver_.item("exploreInverseButton");
    QVERIFY(button);
    QMetaObject::invokeMethod(button, "clicked");
  }

  // Grabs the line's handle on the circle and drags it to the value `to` in circle units (sin
  // and tan: a height, cos: an x), in a few steps as a finger does.
  void dragLine(double to) {
    QQuickItem* circle = driver_.item("exploreCircle");
    QVERIFY(circle);
    driver_.item("exploreScroll")->setProperty("contentY", 0);
    const QPointF handle = circle->property("handleAt").toPointF();
    const double cx = circle->property("cx").toDouble();
    const double cy = circle->property("cy").toDouble();
    const double radius = circle->property("radius").toDouble();
    const bool across = controller()->inverseFunction() == QStringLiteral("cos");
    const QPointF target = across ? QPointF(cx + to * radius, handle.y())
                                  : QPointF(handle.x(), cy - to * radius);
    const auto scene = [&](QPointF at) { return circle->mapToScene(at).toPoint(); };
    QTest::mousePress(window_, Qt::LeftButton, {}, scene(handle));
    for (int step = 1; step <= 4; ++step) {
      QTest::mouseMove(window_, scene(handle + (target - handle) * step / 4));
    }
    QTest::mouseRelease(window_, Qt::LeftButton, {}, scene(target));
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
    // At 30°, as in the web edition: every value exact, none 0 or 1.
    QCOMPARE(controller()->degrees(), 30);
    QCOMPARE(controller()->sinLatex(), QStringLiteral("\\frac{1}{2}"));
    QCOMPARE(controller()->sweptMin(), 30);
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

    // The point swept 30° to 135°: the trail covers that stretch of the turn, the tracer its
    // end.
    QCOMPARE(explore.sweptMin(), 30);
    QCOMPARE(explore.sweptMax(), 135);
    QCOMPARE(explore.trailFrom(), 30.0 / 360);
    QCOMPARE(explore.trailTo(), 135.0 / 360);
    QCOMPARE(explore.tracer().toPointF().x(), explore.trailTo());
    QCOMPARE(driver_.item("exploreTrail")->width(),
             driver_.item("exploreTrail")->parentItem()->width() * 105 / 360);
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
    QVERIFY(!explore.tracer().isValid());
    QVERIFY(explore.graphWindow().value("curve").toList().size() >= 2);  // pieces between poles
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

  // A move within the turn hands the view only what moved: the curve and its ticks, the
  // shared angles of the same quadrant and the question's line stay, and are not drawn again.
  void aMoveTellsOnlyWhatMoved() {
    ExploreViewController& explore = *controller();
    explore.setDegrees(100);
    QSignalSpy window(&explore, &ExploreViewController::graphWindowChanged);
    QSignalSpy trail(&explore, &ExploreViewController::trailChanged);
    QSignalSpy tracer(&explore, &ExploreViewController::tracerChanged);
    QSignalSpy line(&explore, &ExploreViewController::graphLineChanged);
    QSignalSpy shared(&explore, &ExploreViewController::sharedAnglesChanged);
    explore.setDegrees(120);
    QCOMPARE(window.count(), 0);
    QCOMPARE(line.count(), 0);
    QCOMPARE(tracer.count(), 1);
    QCOMPARE(shared.count(), 1);  // 60° and 120° share a reference angle, 80° and 100° another
    const int trailBefore = trail.count();
    explore.setDegrees(110);  // back within what is swept
    QCOMPARE(trail.count(), trailBefore);
    explore.setDegrees(370);  // the next turn: a new window
    QCOMPARE(window.count(), 1);
    QCOMPARE(explore.graphWindow().value("xMin").toDouble(), 360.0);
    explore.setDegrees(30);
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
    QVERIFY(explore.graphLine().isValid());
    QCOMPARE(explore.crossings().size(), 2);
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
    QVERIFY(explore.graphLine().isValid());
    QVERIFY(driver_.item("exploreInverseGraphLine") == nullptr);

    ask(1, "1/");
    QVERIFY(explore.inverseUnreadable());
    QCOMPARE(explore.inverseMessage(),
             QCoreApplication::translate("Core", "exploreValueUnreadable"));
    QVERIFY(explore.inverseMessage() != QStringLiteral("exploreValueUnreadable"));
    QVERIFY(!explore.graphLine().isValid());

    QVERIFY(tapInView("exploreClearInverseButton"));
    QVERIFY(!explore.inverseAsked());
    QVERIFY(explore.inverseMessage().isEmpty());
    QVERIFY(driver_.read("exploreInverseValue", "text").toString().isEmpty());
  }

  // Dragging sin's line y = c: near 1/2 it snaps there and the angles are exact, as if typed;
  // without snapping it stays a rounded decimal; beyond the circle no α reaches it.
  void draggingTheLineAsksAboutItsValue() {
    ExploreViewController& explore = *controller();
    explore.clearInverse();
    explore.setDegrees(200);
    explore.setInverseFunction("sin");
    QVERIFY(explore.snap());
    dragLine(0.52);
    QCOMPARE(explore.inverseText(), QStringLiteral("1/2"));
    QCOMPARE(solutionDegrees(explore), (QList<double>{30, 150}));
    QVERIFY(explore.inverseSolutions().first().toMap().value("exact").toBool());
    QCOMPARE(driver_.read("exploreInverseValue", "text").toString(), QStringLiteral("1/2"));
    QVERIFY(driver_.read("exploreInverseLine", "visible").toBool());
    // The point stayed: the drag moved only the line.
    QCOMPARE(explore.degrees(), 200);
    QCOMPARE(explore.handleValue(), 0.5);

    explore.setSnap(false);
    dragLine(0.37);
    const QString typed = explore.inverseText();
    QVERIFY2(typed.startsWith("0.3") && !typed.contains('/'), qPrintable(typed));
    QCOMPARE(solutionDegrees(explore).size(), 2);
    QVERIFY(!explore.inverseSolutions().first().toMap().value("exact").toBool());
    QCOMPARE(driver_.read("exploreInverseValue", "text").toString(), typed);

    // Above the circle: held at the limit, where sin never reaches.
    dragLine(1.35);
    QCOMPARE(explore.inverseText(), QStringLiteral("1.25"));
    QVERIFY(explore.inverseSolutions().isEmpty());
    QCOMPARE(explore.inverseMessage(), QStringLiteral("no solution"));
    explore.setSnap(true);

    // cos's line x = c, dragged across, and the graph's handle moves the same line.
    explore.setInverseFunction("cos");
    QCOMPARE(explore.graphFunction(), QStringLiteral("cos"));
    dragLine(-0.7);
    QCOMPARE(explore.inverseText(), QStringLiteral("-√2/2"));
    QCOMPARE(solutionDegrees(explore), (QList<double>{135, 225}));
    QVERIFY(tapInView("exploreGraphLineHandle"));
    QVERIFY(explore.inverseAsked());
    QCOMPARE(explore.inverseFunction(), QStringLiteral("cos"));
    QCOMPARE(explore.inverseText(), QStringLiteral("-√2/2"));  // tapped in place: the same value
  }

  // The value typed on the keypad, by the core's editing rules, and on a keyboard.
  void theKeypadTypesTheValue() {
    ExploreViewController& explore = *controller();
    explore.clearInverse();
    explore.setInverseFunction("cos");
    QVERIFY(driver_.item("exploreKeypad") == nullptr);
    QVERIFY(tapInView("exploreInverseValue"));
    QTRY_VERIFY(driver_.item("exploreKeypad"));
    for (const char* key : {"√", "3", "/", "2"}) QVERIFY2(tapKey(key), key);
    QCOMPARE(explore.inverseDraft(), QStringLiteral("√3/2"));
    QCOMPARE(driver_.read("exploreInverseValue", "text").toString(), QStringLiteral("√3/2"));
    QVERIFY(tapKey("delete"));
    QCOMPARE(explore.inverseDraft(), QStringLiteral("√3/"));
    QVERIFY(tapKey("2"));
    QVERIFY(tapKey("check"));
    QCOMPARE(solutionDegrees(explore), (QList<double>{30, 330}));
    QTRY_VERIFY(driver_.item("exploreKeypad") == nullptr);

    // A keyboard spells √ as "sqrt"; Enter asks.
    explore.clearInverse();
    QVERIFY(tapInView("exploreInverseValue"));
    QTRY_COMPARE(window_->activeFocusItem(), driver_.item("exploreInverseValue"));
    for (const char typed : QByteArrayLiteral("-sqrt2/2x")) QTest::keyClick(window_, typed);
    QCOMPARE(explore.inverseDraft(), QStringLiteral("-√2/2"));
    QTest::keyClick(window_, Qt::Key_Return);
    QCOMPARE(solutionDegrees(explore), (QList<double>{135, 225}));
    explore.clearInverse();
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
