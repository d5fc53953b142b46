#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <functional>
#include <optional>

#include "core/solver/chart_data.h"
#include "core/solver/solution_step.h"
#include "ui/charts/step_highlight.h"
#include "ui/solution/exact_values_card.h"

namespace uc {

class RemoteConfigManager;

// The result page: one finished calculation as a list in up to three sections, the solution
// steps, then one row per chart, then one row of recommended videos. The controller is the
// list's model; each row says which kind of cell draws it.
class SolutionViewController : public QAbstractListModel {
  Q_OBJECT
  // Its view, SolutionViewController.qml, has its name.
  QML_NAMED_ELEMENT(SolutionViewControllerLogic)
  Q_PROPERTY(bool hasSteps READ hasSteps NOTIFY solutionChanged)
  Q_PROPERTY(int stepCount READ stepCount NOTIFY solutionChanged)
  Q_PROPERTY(int numberOfSections READ numberOfSections NOTIFY solutionChanged)
  Q_PROPERTY(QString manualImageName READ manualImageName NOTIFY solutionChanged)
  Q_PROPERTY(bool shareButtonVisible READ hasSteps NOTIFY solutionChanged)
  // The exact values card above the steps: its title and its lines as LaTeX.
  Q_PROPERTY(QString exactValuesTitle READ exactValuesTitle CONSTANT)
  Q_PROPERTY(QStringList exactValuesLatex READ exactValuesLatex NOTIFY solutionChanged)
  // The same lines in the parts they may be broken into: {"parts", "joins"} each.
  Q_PROPERTY(QVariantList exactValuesLines READ exactValuesLines NOTIFY solutionChanged)
  // "Did you mean b = 3π/4?" when b was typed as a decimal close to a fraction of π.
  Q_PROPERTY(QString piHintText READ piHintText NOTIFY piHintChanged)
  // The part of the unit circle that the tapped step works out (a StepHighlight).
  Q_PROPERTY(int chartHighlight READ chartHighlight NOTIFY chartHighlightChanged)
  // The row of the tapped step whose part the circle stresses, -1 without one; and the
  // number that step goes by in its title, for the way back to it.
  Q_PROPERTY(int markedRow READ markedRow NOTIFY chartHighlightChanged)
  Q_PROPERTY(int markedStepNumber READ markedStepNumber NOTIFY chartHighlightChanged)

 public:
  enum RowKind { StepRow = 0, ChartRow = 1, VideoRow = 2 };
  Q_ENUM(RowKind)
  enum Role {
    KindRole = Qt::UserRole + 1,
    SectionRole,
    TitleRole,      // without the "#bold" marker
    BoldTitleRole,  // the title ended in "#bold"
    LatexRole,      // display form of the step's formula; empty for message rows
    MessageRole,
    RowHeightRole,   // height of a step row
    FrameRatioRole,  // a chart row is the list's width divided by this high
    ChartStepRole,   // the chart row's data, for the chart cell
    VideoUrlsRole,   // the video row's addresses
  };

  static constexpr char kTitleKey[] = "title";
  static constexpr char kLatexKey[] = "latexString";
  static constexpr char kMessageKey[] = "messageString";

  explicit SolutionViewController(QObject* parent = nullptr);

  static QList<QVariantMap> stepMaps(const SolutionSteps& steps);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  bool hasSteps() const { return !solutionSteps_.isEmpty(); }
  int stepCount() const { return static_cast<int>(solutionSteps_.size()); }
  // 1, plus 1 with chart steps, plus 1 when steps and videos both exist.
  int numberOfSections() const;
  const QList<QVariantMap>& solutionSteps() const { return solutionSteps_; }
  const ChartSteps& chartSteps() const { return chartSteps_; }
  const QStringList& videoUrlStrings() const { return videoUrlStrings_; }
  void setVideoUrlStrings(const QStringList& urls);
  // The page shows: the topic's videos from the remote configuration, then whenever new
  // lists arrive.
  Q_INVOKABLE void viewWillAppear();
  // RemoteConfigManager::shared() unless set (tests); set it before the page first shows.
  void setRemoteConfigManager(RemoteConfigManager* manager);
  QString manualImageName() const { return manualImageName_; }
  QString exactValuesTitle() const;
  QStringList exactValuesLatex() const { return wholeLines(exactValuesCard_); }
  QVariantList exactValuesLines() const { return cardLineMaps(exactValuesCard_); }
  QString piHintText() const;
  const QString& piHintInput() const { return piHintInput_; }
  // What the hint would type into b; empty hides it. A new solution hides it too.
  void setPiHintInput(const QString& input);
  void setChartHighlight(StepHighlight highlight) { mark(highlight, -1); }
  // Puts the hint's b into a fresh input page, ready to be calculated.
  Q_INVOKABLE void tappedPiHint();
  int chartHighlight() const { return static_cast<int>(chartHighlight_); }
  int markedRow() const { return markedRow_; }
  int markedStepNumber() const;
  // A tap on a step row marks it, shows on the unit circle what the step works out, and asks
  // the view to bring the circle into sight; a second tap on the same step clears both.
  Q_INVOKABLE void tappedStep(int row);

  // What the calculate page hands over after a successful calculation; typedArcLatex is b
  // as typed, when the solution worked from it, for the exact values card.
  void showSolution(const QList<QVariantMap>& steps, const ChartSteps& chartSteps,
                    const QString& manualImageName,
                    const std::optional<QHash<int, double>>& configuredRowHeight, double rowHeight,
                    const std::optional<std::string>& typedArcLatex = std::nullopt);

  Q_INVOKABLE void clearSolution();
  Q_INVOKABLE void handleClearAllButton() { clearSolution(); }
  // Logs the tap, then draws the whole solution as one image, saves it to the pictures
  // folder and copies it to the clipboard; the result is told in a toast.
  Q_INVOKABLE void tappedShareButton() { share(); }
  void share();

  // Writes the worked solution as a PDF to print (the command line's `solve --pdf` file) into
  // the documents folder, made when missing, and tells where in a toast with an "Open"
  // button; a failure is told in a toast of its own and changes nothing on the page.
  Q_INVOKABLE void tappedSavePdfButton() { savePdf(); }
  void savePdf();
  // Where PDFs go; the platform's documents folder unless set (tests).
  void setPdfDirectory(const QString& directory) { pdfDirectory_ = directory; }
  QString pdfDirectory() const;
  // What the toast's "Open" runs; QDesktopServices::openUrl unless set (tests).
  void setFileOpener(std::function<bool(const QUrl&)> opener) { fileOpener_ = std::move(opener); }

  // Where shared images go; the platform's pictures folder unless set (tests).
  void setShareDirectory(const QString& directory) { shareDirectory_ = directory; }
  QString shareDirectory() const;
  // The file the last share wrote (empty when it failed or none ran).
  QString lastSharedFile() const { return lastSharedFile_; }

  Q_INVOKABLE int chartStepCount() const { return static_cast<int>(chartSteps_.size()); }
  // The data of chart row i, for the view that draws the charts into the shared image.
  Q_INVOKABLE QVariant chartStepAt(int index) const;
  // The view's drawing of chart row i for the share under way, then the word that all are
  // there; rows without a drawing are left out.
  Q_INVOKABLE void chartImageCaptured(int index, const QVariant& image);
  Q_INVOKABLE void chartImagesCaptured();
  // How long a share waits for the chart drawings before it goes on without them.
  void setChartCaptureTimeout(int milliseconds) { chartCaptureTimeoutMs_ = milliseconds; }

 signals:
  void solutionChanged();
  void piHintChanged();
  void chartHighlightChanged();
  // The view scrolls the given row (the unit circle's) into sight.
  void rowRevealRequested(int row);
  // The view scrolls back to the first row (not animated).
  void scrollToTopRequested();
  // A share finished: the image file (empty when it could not be written).
  void shareFinished(const QString& filePath);
  // A PDF was written to filePath, or could not be (empty).
  void pdfFinished(const QString& filePath);
  // A share asks the view for the charts in their final state, drawn into a row of the
  // given width in layout pixels and at the given device pixel scale; the view answers with
  // chartImagesCaptured.
  void chartImagesRequested(int width, qreal scale);

 private:
  struct Row {
    RowKind kind;
    int section;
    int index;  // within its section
  };
  QList<Row> rows() const;
  void reload();
  RemoteConfigManager& remoteConfigManager() const;
  void loadVideoUrlStrings();
  void captureAndShare();
  void mark(StepHighlight highlight, int row);
  void finishShare(const QList<QImage>& chartImages);

  QList<QVariantMap> solutionSteps_;
  QStringList displayForms_;  // one per step, made once when the steps arrive
  ChartSteps chartSteps_;
  QStringList videoUrlStrings_;
  QPointer<RemoteConfigManager> remoteConfig_;
  bool videoListsWatched_ = false;
  QString manualImageName_;
  std::vector<ExactValuesCardLine> exactValuesCard_;
  QString piHintInput_;
  StepHighlight chartHighlight_ = StepHighlight::None;
  int markedRow_ = -1;
  std::optional<QHash<int, double>> configuredRowHeight_;
  double rowHeight_ = 100;
  QList<Row> rows_;
  std::optional<std::string> typedArcLatex_;
  QString pdfDirectory_;
  std::function<bool(const QUrl&)> fileOpener_;
  QString shareDirectory_;
  QString lastSharedFile_;
  QList<QImage> pendingStepImages_;
  QMap<int, QImage> pendingChartImages_;
  bool awaitingChartImages_ = false;
  int chartCaptureTimeoutMs_ = 5000;
  QTimer* chartCaptureTimer_ = nullptr;
};

}  // namespace uc
