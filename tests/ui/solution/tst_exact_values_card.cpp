#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/solver/tiro_unit_circle.h"
#include "flow/calc_manager.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "ui/math/parser.h"
#include "ui/shell/navigation.h"
#include "ui/solution/exact_values_card.h"
#include "ui/solution/solution_view_controller.h"

using uc::SolutionViewController;

namespace {

uc::ChartSteps circleAt(double alpha) {
  return {{std::make_shared<uc::UnitCircleChartData>(alpha, alpha * 3.141592653589793 / 180, alpha,
                                                     0, uc::Quadrant::first)}};
}

// The card's lines whole, as the shared image shows them.
QStringList exactValuesCardLatex(double alpha) {
  return uc::wholeLines(uc::exactValuesCardLines(circleAt(alpha)));
}
QStringList exactValuesCardLatex(const uc::ChartSteps& steps) {
  return uc::wholeLines(uc::exactValuesCardLines(steps));
}

// The card as the calculate page hands it over for the typed texts.
QList<uc::ExactValuesCardLine> cardFor(const char* alpha, const char* b) {
  const uc::SolveResult result = uc::calculate(alpha, b);
  return uc::exactValuesCardLines(*result.chartSteps, result.typedArcLatex);
}

}  // namespace

// The card's lines as the result page and the shared image show them.
class TestExactValuesCard : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { uc::i18n::installTranslations(QStringLiteral("en")); }

  void radicalFormsBesideTheirDecimals() {
    QCOMPARE(exactValuesCardLatex(105),
             (QStringList{"\\alpha = 105^{\\circ} \\quad b = \\frac{7\\pi}{12} \\approx 1.8326",
                          "\\sin\\alpha = \\frac{\\sqrt{6}+\\sqrt{2}}{4} \\approx 0.9659",
                          "\\cos\\alpha = -\\frac{\\sqrt{6}-\\sqrt{2}}{4} \\approx -0.2588",
                          "\\tan\\alpha = -2-\\sqrt{3} \\approx -3.7321",
                          "\\text{Reference angle}\\; 75^{\\circ}", "\\text{Quadrant II}"}));
    // Whole numbers need no decimal; the vertical axis has no tangent.
    const QStringList axis = exactValuesCardLatex(270);
    QCOMPARE(axis.at(0), "\\alpha = 270^{\\circ} \\quad b = \\frac{3\\pi}{2} \\approx 4.7124");
    QCOMPARE(axis.at(1), "\\sin\\alpha = -1");
    QCOMPARE(axis.at(3), "\\tan\\alpha\\quad \\text{undefined}");
    QCOMPARE(exactValuesCardLatex(0).at(0), "\\alpha = 0^{\\circ} \\quad b = 0");
  }

  // Where a line may break when it is too wide for the card: between α and b, before each
  // decimal, before "undefined" and before the reference angle's value. No part is empty, and
  // a join stands between every two.
  void linesBreakBetweenTheirValues() {
    const QList<uc::ExactValuesCardLine> lines = uc::exactValuesCardLines(circleAt(90));
    QCOMPARE(lines.at(0).parts,
             (QStringList{"\\alpha = 90^{\\circ}", "b = \\frac{\\pi}{2}", "\\approx 1.5708"}));
    QCOMPARE(lines.at(1).parts, QStringList{"\\sin\\alpha = 1"});
    QCOMPARE(lines.at(3).parts, (QStringList{"\\tan\\alpha", "\\text{undefined}"}));
    QCOMPARE(lines.at(4).parts.size(), 2);
    QCOMPARE(uc::exactValuesCardLines(circleAt(135)).at(1).parts,
             (QStringList{"\\sin\\alpha = \\frac{\\sqrt{2}}{2}", "\\approx 0.7071"}));
    for (double alpha : {0.0, 90.0, 105.0, 57.29577951308232, -720.0}) {
      for (const uc::ExactValuesCardLine& line : uc::exactValuesCardLines(circleAt(alpha))) {
        QCOMPARE(line.joins.size(), line.parts.size() - 1);
        for (const QString& part : line.parts) QVERIFY(!part.isEmpty());
      }
    }
  }

  void otherAnglesGetDecimalsOnly() {
    const QStringList oneRadian = exactValuesCardLatex(57.29577951308232);
    QCOMPARE(oneRadian.at(0), "\\alpha \\approx 57.2958^{\\circ} \\quad b = 1");
    QCOMPARE(oneRadian.at(1), "\\sin\\alpha \\approx 0.8415");
    QVERIFY(exactValuesCardLatex(qQNaN()).isEmpty());
    QVERIFY(exactValuesCardLatex(uc::ChartSteps{}).isEmpty());
  }

  // Angles and sin, cos, tan alike: four places at most, "=" where they show the value (a
  // rounding residue aside), "≈" where they round it.
  void oneRuleForEveryDecimal() {
    const QStringList typed = exactValuesCardLatex(123.4561);
    QCOMPARE(typed.at(0), "\\alpha = 123.4561^{\\circ} \\quad b \\approx 2.1547");
    QCOMPARE(typed.at(1), "\\sin\\alpha \\approx 0.8343");
    QCOMPARE(typed.at(4), "\\text{Reference angle}\\; 56.5439^{\\circ}");
    QCOMPARE(exactValuesCardLatex(57.29577951308232).at(4),
             "\\text{Reference angle}\\; \\approx 57.2958^{\\circ}");
    QCOMPARE(exactValuesCardLatex(30).at(1), "\\sin\\alpha = \\frac{1}{2} = 0.5");
    QCOMPARE(uc::wholeLines(cardFor("2π", "")).at(0),
             "\\alpha \\approx 6.2832^{\\circ} \\quad b \\approx 0.1097");
  }

  // "1,000°" reads as one degree in German: no number on the card is grouped.
  void noGroupingSeparator() {
    QCOMPARE(exactValuesCardLatex(1000).at(0),
             "\\alpha = 1000^{\\circ} \\quad b = \\frac{50\\pi}{9} \\approx 17.4533");
    QVERIFY(exactValuesCardLatex(-1234.5).at(0).startsWith("\\alpha = -1234.5^{\\circ}"));
    QCOMPARE(uc::wholeLines(cardFor("", "1000")).at(0),
             "\\alpha \\approx 57295.7795^{\\circ} \\quad b = 1000");
    for (double alpha : {1000.0, 123456.789, -1e6, 9e18}) {
      for (const QString& line : exactValuesCardLatex(alpha)) {
        QVERIFY2(!line.contains(QLatin1Char(',')), qPrintable(line));
      }
    }
  }

  // A typed b is shown as typed, beside its decimal where that differs; b worked out from α
  // is shown as a multiple of π where it is one.
  void bTypedIsShownAsTyped() {
    QCOMPARE(cardFor("", "2").at(0).parts,
             (QStringList{"\\alpha \\approx 114.5916^{\\circ}", "b = 2"}));
    QCOMPARE(cardFor("", "e").at(0).parts,
             (QStringList{"\\alpha \\approx 155.7461^{\\circ}", "b = e", "\\approx 2.7183"}));
    QCOMPARE(cardFor("", "π/e").at(0).parts.at(1), "b = \\frac{\\pi}{e}");
    QCOMPARE(cardFor("", "3π/4").at(0).parts,
             (QStringList{"\\alpha = 135^{\\circ}", "b = \\frac{3\\pi}{4}", "\\approx 2.3562"}));
    // Near π/4 but typed as a decimal: not claimed to be π/4 (the hint offers that).
    QCOMPARE(cardFor("", "0.7853981634").at(0).parts.at(1), "b = 0.7853981634");
    // With both typed, α wins and b is worked out from it.
    QCOMPARE(cardFor("45", "2").at(0).parts.at(1), "b = \\frac{\\pi}{4}");
  }

  void everyLineTypesetsWithoutErrors() {
    for (double alpha : {-720.0, -405.0, 18.0, 36.0, 54.0, 72.0, 90.0, 123.456, 1e9}) {
      for (const QString& line : exactValuesCardLatex(alpha)) {
        const auto parsed = uc::math::parse(line.toStdString());
        QVERIFY2(parsed.errors.empty(), qPrintable(line));
      }
    }
  }

  void germanWords() {
    uc::i18n::installTranslations(QStringLiteral("de"));
    const QStringList lines = exactValuesCardLatex(90);
    uc::i18n::installTranslations(QStringLiteral("en"));
    QCOMPARE(lines.at(3), "\\tan\\alpha\\quad \\text{nicht definiert}");
    QCOMPARE(lines.at(4), "\\text{Bezugswinkel}\\; 90^{\\circ}");
  }

  void theResultPageAndTheSharedImageCarryTheCard() {
    QTemporaryDir dir;
    SolutionViewController s;
    s.setShareDirectory(dir.path());
    QSignalSpy changed(&s, &SolutionViewController::solutionChanged);
    QSignalSpy finished(&s, &SolutionViewController::shareFinished);
    const QList<QVariantMap> steps{{{"title", "Your Input"}, {"latexString", "b = ?"}}};

    s.showSolution(steps, {}, {}, std::nullopt, 100);
    QVERIFY(s.exactValuesLatex().isEmpty());
    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    const int withoutCard = QImage(finished.last().first().toString()).height();

    s.showSolution(steps, circleAt(30), {}, std::nullopt, 100);
    QVERIFY(changed.count() >= 2);
    QCOMPARE(s.exactValuesLatex().at(1), "\\sin\\alpha = \\frac{1}{2} = 0.5");
    QCOMPARE(s.exactValuesTitle(), "Exact values");
    s.tappedShareButton();
    QVERIFY(finished.wait(5000));
    QVERIFY2(QImage(finished.last().first().toString()).height() > 4 * withoutCard,
             "the six lines of the card above the step");

    s.clearSolution();
    QVERIFY(s.exactValuesLatex().isEmpty());
  }

  void theHintRefillsBWithItsFractionOfPi() {
    QTemporaryDir dir;
    uc::UserDefaults::setStandardFilePath(dir.filePath("settings.jsonl"));
    SolutionViewController s;
    QSignalSpy hintChanged(&s, &SolutionViewController::piHintChanged);
    QSignalSpy navigated(&uc::Navigation::shared(), &uc::Navigation::calculationRequested);
    s.tappedPiHint();  // no hint: nothing happens
    QCOMPARE(navigated.count(), 0);

    s.setPiHintInput(QStringLiteral("3π/4"));
    QCOMPARE(s.piHintText(), QStringLiteral("Did you mean b = 3π/4?"));
    QCOMPARE(hintChanged.count(), 1);
    s.tappedPiHint();
    QCOMPARE(navigated.count(), 1);
    const auto selected = uc::CalcManager::shared().takeCurrentSelectedCalculation();
    QVERIFY(selected);
    QCOMPARE(selected->inputParameters, (QMap<QString, QString>{{"b", QStringLiteral("3π/4")}}));
    QVERIFY(!uc::CalcManager::shared().currentCalculation());

    // A new solution comes without the old hint.
    s.showSolution({}, circleAt(45), {}, std::nullopt, 100);
    QVERIFY(s.piHintText().isEmpty());
  }
};

QTEST_MAIN(TestExactValuesCard)
#include "tst_exact_values_card.moc"
