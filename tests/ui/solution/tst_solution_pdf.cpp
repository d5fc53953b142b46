// "Save as PDF" on the result page: the worked solution lands in the documents folder, the
// learner is told where and can open it, and a folder that cannot be written is told apart.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "core/solver/tiro_unit_circle.h"
#include "i18n/translations.h"
#include "ui/shell/view_manager.h"
#include "ui/solution/solution_view_controller.h"

using uc::SolutionViewController;

namespace {

// The page as the calculate page leaves it after a solution of α.
void showSolutionOf(SolutionViewController& page, const std::string& alpha) {
  const uc::SolveResult result = uc::calculate(alpha, std::nullopt);
  QVERIFY(result.solutionSteps);
  page.showSolution(SolutionViewController::stepMaps(*result.solutionSteps),
                    result.chartSteps.value_or(uc::ChartSteps{}), QStringLiteral("kv_info"),
                    std::nullopt, 100, result.typedArcLatex);
}

}  // namespace

class TestSolutionPdf : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    // The documents folder of a home of the test's own, not the user's.
    qputenv("HOME", QFile::encodeName(home_.path()));
    QStandardPaths::setTestModeEnabled(true);
    views().setWindow(&window_);  // the view manager shows nothing without a window
  }

  void cleanupTestCase() {
    views().setWindow(nullptr);
    uc::i18n::removeTranslations();
  }

  void init() { uc::i18n::installTranslations(QStringLiteral("en")); }

  void savesIntoTheDocumentsFolderAndOpensItOnRequest() {
    SolutionViewController page;
    QList<QUrl> opened;
    page.setFileOpener([&opened](const QUrl& url) {
      opened.append(url);
      return true;
    });
    showSolutionOf(page, "135");
    const QString documents = QDir(home_.path()).filePath(QStringLiteral("Documents"));
    QCOMPARE(page.pdfDirectory(), documents);
    QVERIFY(!QDir(documents).exists());  // made by the first save

    QSignalSpy finished(&page, &SolutionViewController::pdfFinished);
    const int toastsBefore = views().toasts()->rowCount();
    page.tappedSavePdfButton();
    QCOMPARE(finished.count(), 1);
    const QString file = finished.first().first().toString();
    QCOMPARE(QFileInfo(file).absolutePath(), documents);
    QVERIFY2(QRegularExpression(QStringLiteral("^unitcircle-solution-\\d{8}-\\d{6}\\.pdf$"))
                 .match(QFileInfo(file).fileName())
                 .hasMatch(),
             qPrintable(file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY2(pdf.size() > 20000, "fonts, formulas and the circle");

    QTRY_COMPARE(views().toasts()->rowCount(), toastsBefore + 1);
    const int row = views().toasts()->rowCount() - 1;
    QCOMPARE(views().toasts()->textAt(row),
             QStringLiteral("Solution saved as PDF: %1")
                 .arg(QDir::toNativeSeparators(QFileInfo(file).dir().dirName() + QLatin1Char('/') +
                                               QFileInfo(file).fileName())));
    QCOMPARE(views().toasts()->actionTitleAt(row), QStringLiteral("Open"));
    views().triggerToastAction(views().toasts()->idAt(row));
    QTRY_COMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(file)});

    // A second save in the same second does not overwrite the first.
    page.tappedSavePdfButton();
    QCOMPARE(finished.count(), 2);
    const QString second = finished.last().first().toString();
    QVERIFY(second != file);
    QVERIFY(QFileInfo::exists(file) && QFileInfo::exists(second));
  }

  void aFileNoProgramOpensIsToldSo() {
    SolutionViewController page;
    page.setFileOpener([](const QUrl&) { return false; });
    showSolutionOf(page, "-750");
    QSignalSpy finished(&page, &SolutionViewController::pdfFinished);
    page.tappedSavePdfButton();
    QTRY_VERIFY(views().toasts()->rowCount() > 0);
    const int row = views().toasts()->rowCount() - 1;
    views().triggerToastAction(views().toasts()->idAt(row));
    QTRY_VERIFY(views()
                    .toasts()
                    ->textAt(views().toasts()->rowCount() - 1)
                    .startsWith(QStringLiteral("No program could open")));
  }

  // A folder where a file is: its own message, no file, and the page keeps its solution and
  // saves again once the folder is fine.
  void anUnwritableFolderGetsItsOwnMessageAndChangesNothing() {
    uc::i18n::installTranslations(QStringLiteral("de"));
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SolutionViewController page;
    showSolutionOf(page, "90");
    const int rows = page.rowCount();
    const QString folder = dir.filePath(QStringLiteral("file/sub"));
    page.setPdfDirectory(folder);

    QSignalSpy finished(&page, &SolutionViewController::pdfFinished);
    page.tappedSavePdfButton();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toString(), QString());
    QTRY_VERIFY(views().toasts()->rowCount() > 0);
    const int row = views().toasts()->rowCount() - 1;
    QVERIFY2(views().toasts()->textAt(row).startsWith(
                 QStringLiteral("Das PDF ließ sich nicht in %1 sichern: ")
                     .arg(QDir::toNativeSeparators(folder))),
             qPrintable(views().toasts()->textAt(row)));
    QCOMPARE(views().toasts()->actionTitleAt(row), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("file")});
    QVERIFY(page.hasSteps());
    QCOMPARE(page.rowCount(), rows);

    page.setPdfDirectory(dir.filePath(QStringLiteral("good")));
    page.tappedSavePdfButton();
    QVERIFY(QFileInfo::exists(finished.last().first().toString()));
    QVERIFY(views()
                .toasts()
                ->textAt(views().toasts()->rowCount() - 1)
                .startsWith(QStringLiteral("Lösung als PDF gesichert")));
  }

  void withoutASolutionThereIsNothingToSave() {
    SolutionViewController page;
    page.setPdfDirectory(home_.filePath(QStringLiteral("empty")));
    QSignalSpy finished(&page, &SolutionViewController::pdfFinished);
    page.tappedSavePdfButton();
    QCOMPARE(finished.count(), 0);
    QVERIFY(!QDir(home_.filePath(QStringLiteral("empty"))).exists());
  }

 private:
  static uc::ViewManager& views() { return uc::ViewManager::shared(); }

  QTemporaryDir home_;
  QQuickWindow window_;
};

QTEST_MAIN(TestSolutionPdf)
#include "tst_solution_pdf.moc"
