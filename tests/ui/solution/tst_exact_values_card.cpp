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

}  // namespace

// The core's card as the result page and the shared image show it, in the app's translations.
class TestExactValuesCard : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { uc::i18n::installTranslations(QStringLiteral("en")); }

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
