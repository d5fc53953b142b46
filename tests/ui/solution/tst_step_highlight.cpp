#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "core/solver/tiro_unit_circle.h"
#include "i18n/translations.h"
#include "ui/charts/step_highlight.h"
#include "ui/solution/solution_view_controller.h"

using uc::SolutionViewController;
using uc::StepHighlight;

// Which part of the unit circle each step of a real solution stresses, and the tap on a row.
class TestStepHighlight : public QObject {
  Q_OBJECT

  static QList<StepHighlight> highlightsOf(const char* alpha, const char* b) {
    const uc::SolveResult result = uc::calculate(alpha, b);
    QList<StepHighlight> kinds;
    for (const uc::SolutionStep& step : result.solutionSteps.value_or(uc::SolutionSteps{})) {
      kinds << uc::highlightForStep(QString::fromStdString(step.latexString));
    }
    return kinds;
  }

 private slots:
  void initTestCase() { uc::i18n::installTranslations(QStringLiteral("en")); }

  void everyStepOfBothDirectionsFindsItsPart() {
    using H = StepHighlight;
    for (const auto& [alpha, b] : {std::pair{"400", ""}, std::pair{"", "7π/4"}}) {
      const QList<H> kinds = highlightsOf(alpha, b);
      QCOMPARE(kinds.size(), 23);
      QCOMPARE(kinds.first(), H::None);  // the input names both quantities
      for (int i = 1; i <= 11; ++i) QCOMPARE(kinds.at(i), H::Arc);  // the conversion
      QCOMPARE(kinds.at(12), H::Sine);
      QCOMPARE(kinds.at(13), H::Sine);
      QCOMPARE(kinds.at(14), H::Cosine);
      for (int i = 16; i <= 19; ++i) QCOMPARE(kinds.at(i), H::Tangent);
      QCOMPARE(kinds.at(20), H::FullTurns);
      QCOMPARE(kinds.at(21), H::ReducedAngle);
      QCOMPARE(kinds.at(22), H::Quadrant);
    }
  }

  void aTapStressesThePartAndBringsTheCircleIntoSight() {
    const uc::SolveResult result = uc::calculate("400", "");
    SolutionViewController s;
    s.showSolution(SolutionViewController::stepMaps(*result.solutionSteps), *result.chartSteps, {},
                   std::nullopt, 100);
    QSignalSpy reveal(&s, &SolutionViewController::rowRevealRequested);
    QSignalSpy changed(&s, &SolutionViewController::chartHighlightChanged);

    QCOMPARE(s.markedRow(), -1);
    s.tappedStep(21);  // γ = 40°
    QCOMPARE(s.chartHighlight(), int(StepHighlight::ReducedAngle));
    QCOMPARE(s.markedRow(), 21);
    QCOMPARE(s.markedStepNumber(), 21);  // "Step 21 Angle"
    QCOMPARE(reveal.count(), 1);
    QCOMPARE(reveal.first().first().toInt(), 23);  // the unit circle's row, after the steps
    s.tappedStep(22);
    QCOMPARE(s.chartHighlight(), int(StepHighlight::Quadrant));
    s.tappedStep(22);  // the same again: back to the plain drawing
    QCOMPARE(s.chartHighlight(), int(StepHighlight::None));
    QCOMPARE(s.markedRow(), -1);
    QCOMPARE(reveal.count(), 2);
    // Another step of the same kind moves the mark rather than clearing it.
    s.tappedStep(3);
    s.tappedStep(4);
    QCOMPARE(s.chartHighlight(), int(StepHighlight::Arc));
    QCOMPARE(s.markedRow(), 4);
    s.tappedStep(4);
    QCOMPARE(changed.count(), 6);

    s.tappedStep(0);   // the input stresses nothing
    s.tappedStep(23);  // a chart row, not a step
    s.tappedStep(-1);
    s.tappedStep(999);
    QCOMPARE(s.chartHighlight(), int(StepHighlight::None));
    QCOMPARE(s.markedRow(), -1);
    QCOMPARE(changed.count(), 6);

    s.tappedStep(12);
    s.showSolution(SolutionViewController::stepMaps(*result.solutionSteps), *result.chartSteps, {},
                   std::nullopt, 100);
    QCOMPARE(s.chartHighlight(), int(StepHighlight::None));
    QCOMPARE(s.markedRow(), -1);
  }
};

QTEST_MAIN(TestStepHighlight)
#include "tst_step_highlight.moc"
