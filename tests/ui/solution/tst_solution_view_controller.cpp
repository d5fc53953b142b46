#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/solver/chart_data.h"
#include "i18n/translations.h"
#include "services/analytics.h"
#include "ui/pages/app_page_tab_bar_controller.h"
#include "ui/shell/app_state.h"
#include "ui/shell/view_manager.h"
#include "ui/solution/solution_image.h"
#include "ui/solution/solution_view_controller.h"

using uc::SolutionViewController;
using Kind = uc::SolutionViewController::RowKind;

namespace {

QVariantMap step(const QString& title, const QString& latex) {
  return {{"title", title}, {"latexString", latex}};
}

uc::ChartSteps threeCharts() {
  uc::ChartSteps charts;
  charts.push_back(
      {std::make_shared<uc::UnitCircleChartData>(45, 0.78, 45, 0, uc::Quadrant::first)});
  for (int i = 0; i < 2; ++i) {
    charts.push_back({std::make_shared<uc::TrigonometricChartData>(1.0, 0, 1, 1, std::nullopt)});
  }
  return charts;
}

QVariant role(const SolutionViewController& s, int row, int role) {
  return s.data(s.index(row), role);
}

QList<int> kinds(const SolutionViewController& s) {
  QList<int> result;
  for (int row = 0; row < s.rowCount(); ++row) {
    result << role(s, row, SolutionViewController::KindRole).toInt();
  }
  return result;
}

}  // namespace

class TestSolutionViewController : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { uc::i18n::installTranslations(QStringLiteral("en")); }

  void init() {
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(recorder_);
  }

  void sectionsFollowStepsChartsAndVideos() {
    SolutionViewController s;
    QCOMPARE(s.numberOfSections(), 1);
    QCOMPARE(s.rowCount(), 0);

    s.showSolution({step("a", "x"), step("b", "y")}, {}, "kv_info", std::nullopt, 100);
    QCOMPARE(s.numberOfSections(), 1);
    QCOMPARE(kinds(s), (QList<int>{Kind::StepRow, Kind::StepRow}));

    s.setVideoUrlStrings({"https://example.org/v"});
    QCOMPARE(s.numberOfSections(), 2);
    QCOMPARE(kinds(s), (QList<int>{Kind::StepRow, Kind::StepRow, Kind::VideoRow}));
    QCOMPARE(role(s, 2, SolutionViewController::SectionRole).toInt(),
             1);  // without charts the videos are section 1

    s.showSolution({step("a", "x")}, threeCharts(), "kv_info", std::nullopt, 100);
    QCOMPARE(s.numberOfSections(), 3);
    QCOMPARE(kinds(s), (QList<int>{Kind::StepRow, Kind::ChartRow, Kind::ChartRow, Kind::ChartRow,
                                   Kind::VideoRow}));
    QCOMPARE(role(s, 1, SolutionViewController::FrameRatioRole).toDouble(), 2.0);
    QCOMPARE(role(s, 2, SolutionViewController::FrameRatioRole).toDouble(), 1.0);
    QCOMPARE(role(s, 4, SolutionViewController::SectionRole).toInt(), 2);

    s.showSolution({}, threeCharts(), {}, std::nullopt, 100);
    QCOMPARE(s.numberOfSections(), 2);  // no video row without steps
  }

  void stepRowsShowTitleFormulaOrMessage() {
    SolutionViewController s;
    QVariantMap message = step("Note", "x");
    message.insert("messageString", "Just text");
    s.showSolution({step("Result#bold", "b = 45.0"), step("Plain", "(1)"), message}, {}, {},
                   QHash<int, double>{{1, 140}}, 100);

    QCOMPARE(role(s, 0, SolutionViewController::TitleRole).toString(), QStringLiteral("Result"));
    QVERIFY(role(s, 0, SolutionViewController::BoldTitleRole).toBool());
    QCOMPARE(role(s, 0, SolutionViewController::LatexRole).toString(), QStringLiteral("b = 45"));
    QVERIFY(!role(s, 1, SolutionViewController::BoldTitleRole).toBool());
    QCOMPARE(role(s, 1, SolutionViewController::LatexRole).toString(),
             QStringLiteral("\\left(1\\right)"));

    QCOMPARE(role(s, 2, SolutionViewController::MessageRole).toString(),
             QStringLiteral("Just text"));
    QCOMPARE(role(s, 2, SolutionViewController::LatexRole).toString(),
             QString());  // a message replaces the formula

    QCOMPARE(role(s, 0, SolutionViewController::RowHeightRole).toDouble(), 100.0);
    QCOMPARE(role(s, 1, SolutionViewController::RowHeightRole).toDouble(), 140.0);
  }

  void clearingEmptiesThePageAndReturnsToInput() {
    uc::CalculateViewController calculate;
    SolutionViewController s;
    uc::AppPageTabBarController tabs;
    tabs.setCalculateViewController(&calculate);
    tabs.setSolutionViewController(&s);
    QSignalSpy enabled(&tabs, &uc::AppPageTabBarController::resultEnabledChanged);

    tabs.selectIndex(1);
    QCOMPARE(tabs.currentIndex(), 0);  // an empty result page cannot be chosen

    s.showSolution({step("a", "x")}, threeCharts(), "kv_info", std::nullopt, 100);
    QVERIFY(tabs.resultEnabled());
    tabs.selectIndex(1);
    QCOMPARE(tabs.currentIndex(), 1);

    uc::AppState::shared().postClearCurrentCalculation();
    QCOMPARE(s.rowCount(), 0);
    QVERIFY(s.chartSteps().empty());
    QVERIFY(s.manualImageName().isEmpty());
    QVERIFY(!tabs.resultEnabled());
    QCOMPARE(tabs.currentIndex(), 0);
    QVERIFY(enabled.count() >= 2);
  }

  void sharingWithoutStepsOnlyLogs() {
    QTemporaryDir dir;
    SolutionViewController s;
    s.setShareDirectory(dir.path());
    QSignalSpy finished(&s, &SolutionViewController::shareFinished);
    s.tappedShareButton();
    QTest::qWait(200);
    QCOMPARE(recorder_->count("tiro_tapped_share"), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(QDir(dir.path()).isEmpty());
  }

  void sharingSavesOneImageCopiesItAndSaysWhere() {
    QTemporaryDir dir;
    QQuickWindow window;  // the view manager shows nothing without a window
    uc::ViewManager& views = uc::ViewManager::shared();
    views.setWindow(&window);
    SolutionViewController s;
    s.setShareDirectory(dir.filePath("Pictures"));
    s.showSolution(
        {step("Your Input", "\\alpha = 45^{\\circ}"), step("Step 1#bold", "\\frac{2\\pi}{360}")},
        {}, "kv_info", std::nullopt, 100);
    QSignalSpy finished(&s, &SolutionViewController::shareFinished);
    const int toastsBefore = views.toasts()->rowCount();

    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    const QString file = finished.first().first().toString();
    QVERIFY(file.startsWith(dir.filePath("Pictures")));
    QImage saved(file);
    QVERIFY(!saved.isNull());
    QVERIFY2(saved.height() > saved.width() / 4, "two rows, one below the other");
    QCOMPARE(QGuiApplication::clipboard()->image().size(), saved.size());
    QVERIFY2(views.alertVisible(), "the note on image quality");
    QCOMPARE(views.toasts()->rowCount(), toastsBefore + 1);
    QVERIFY(views.toasts()->textAt(toastsBefore).contains(QDir::toNativeSeparators(file)));
    QVERIFY(!uc::AppState::shared().isCapturingScreenshot());
    QTRY_VERIFY(!views.loadingOverlayVisible());

    // A folder that cannot be made still leaves the image on the clipboard, and says so.
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    s.setShareDirectory(dir.filePath("file/sub"));
    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.last().first().toString(), QString());
    QVERIFY(!views.toasts()->textAt(views.toasts()->rowCount() - 1).isEmpty());
    views.dismissAlert();
    views.dismissAlert();
    views.setWindow(nullptr);
  }

  void chartDrawingsFollowTheStepsInRowOrder() {
    QTemporaryDir dir;
    SolutionViewController s;
    s.setShareDirectory(dir.path());
    s.showSolution({step("Your Input", "\\alpha = 45^{\\circ}")}, threeCharts(), {}, std::nullopt,
                   100);
    QCOMPARE(s.chartStepCount(), 3);
    QVERIFY(s.chartStepAt(0).isValid());
    QVERIFY(!s.chartStepAt(3).isValid());

    // A view that draws the rows, answering out of order and with one row it could not draw.
    QList<int> widths;
    connect(&s, &SolutionViewController::chartImagesRequested, this, [&](int width, qreal scale) {
      widths << width;
      const auto picture = [width, scale](int height, QColor color) {
        QImage image(int(width * scale), height, QImage::Format_ARGB32_Premultiplied);
        image.fill(color);
        return QVariant::fromValue(image);
      };
      QTimer::singleShot(10, &s, [&s, picture] {
        s.chartImageCaptured(2, picture(30, Qt::blue));
        s.chartImageCaptured(0, picture(20, Qt::red));
        s.chartImageCaptured(1, QVariant());
        s.chartImagesCaptured();
        s.chartImagesCaptured();  // a second word changes nothing
      });
    });
    QSignalSpy finished(&s, &SolutionViewController::shareFinished);
    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    QCOMPARE(widths, QList<int>{480});
    const QImage saved(finished.first().first().toString());
    QCOMPARE(saved.pixelColor(5, saved.height() - 40), QColor(Qt::red));
    QCOMPARE(saved.pixelColor(5, saved.height() - 1), QColor(Qt::blue));
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    uc::ViewManager::shared().dismissAlert();
  }

  void aViewThatNeverAnswersStillGetsTheStepsShared() {
    QTemporaryDir dir;
    SolutionViewController s;
    s.setShareDirectory(dir.path());
    s.setChartCaptureTimeout(100);
    s.showSolution({step("Your Input", "\\alpha = 45^{\\circ}")}, threeCharts(), {}, std::nullopt,
                   100);
    connect(&s, &SolutionViewController::chartImagesRequested, this, [] {});
    QSignalSpy finished(&s, &SolutionViewController::shareFinished);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("charts were not drawn in time"));
    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    QVERIFY(!QImage(finished.first().first().toString()).isNull());
    s.chartImagesCaptured();  // the late answer is ignored
    QCOMPARE(finished.count(), 1);
    QVERIFY(!uc::AppState::shared().isCapturingScreenshot());
    uc::ViewManager::shared().dismissAlert();
  }

  void stitchingKeepsOrderAndSize() {
    QCOMPARE(uc::stitchVertically({}, Qt::white).isNull(), true);
    QImage red(30, 10, QImage::Format_ARGB32_Premultiplied);
    red.fill(Qt::red);
    QImage blue(50, 20, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    const QImage stitched = uc::stitchVertically({red, blue}, Qt::white);
    QCOMPARE(stitched.size(), QSize(50, 30));
    QCOMPARE(stitched.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(stitched.pixelColor(40, 5), QColor(Qt::white));  // narrow parts are padded
    QCOMPARE(stitched.pixelColor(40, 25), QColor(Qt::blue));
  }

  void rowImagesShowTheFractionBar() {
    uc::SolutionImageStyle style;
    style.scale = 2;
    const QList<QImage> rows =
        uc::renderSolutionRows({{"t", false, "\\frac{1}{2}", {}}, {"t", false, "1", {}}}, style);
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows[0].height() > rows[1].height(), "a fraction is taller than a digit");
    QCOMPARE(rows[0].width(), style.minimumWidth * 2);

    // Somewhere between the numerator and the denominator a dark horizontal bar.
    int darkRows = 0;
    for (int y = 0; y < rows[0].height(); ++y) {
      int dark = 0;
      for (int x = 0; x < 120; ++x) dark += qGray(rows[0].pixel(x, y)) < 100;
      darkRows += dark > 12;
    }
    QVERIFY(darkRows >= 1);
  }

 private:
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
};

QTEST_MAIN(TestSolutionViewController)
#include "tst_solution_view_controller.moc"
