#include "ui/solution/solution_view_controller.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtDebug>
#include <utility>

#include "core/solver/display_form.h"
#include "flow/calc_manager.h"
#include "flow/summary_line.h"
#include "services/analytics.h"
#include "services/remote_config_manager.h"
#include "ui/charts/chart_manager.h"
#include "ui/print/solution_pdf.h"
#include "ui/shell/app_state.h"
#include "ui/shell/color_manager.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"
#include "ui/solution/solution_image.h"

namespace uc {
namespace {

constexpr char kBoldMarker[] = "#bold";
// Long enough for the loading overlay to reach the screen before drawing the image keeps
// the main thread busy.
constexpr int kOverlayFrameMs = 50;

QString solutionViewText(const char* key) {
  return QCoreApplication::translate("SolutionView", key);
}

QString pdfText(const char* key) { return QCoreApplication::translate("SolutionPdf", key); }

QVariantMap analyticsParams(const QList<QVariantMap>& steps) {
  QVariantList list;
  for (const QVariantMap& step : steps) list.append(step);
  return {{analytics::param::kSolutionSteps, list},
          {analytics::param::kSolutionStepsCount, static_cast<int>(steps.size())}};
}

}  // namespace

SolutionViewController::SolutionViewController(QObject* parent) : QAbstractListModel(parent) {
  connect(&AppState::shared(), &AppState::clearCurrentCalculationNotification, this,
          &SolutionViewController::handleClearAllButton);
}

QList<QVariantMap> SolutionViewController::stepMaps(const SolutionSteps& steps) {
  QList<QVariantMap> maps;
  maps.reserve(static_cast<qsizetype>(steps.size()));
  for (const SolutionStep& step : steps) {
    maps.append({{kTitleKey, QString::fromStdString(step.title)},
                 {kLatexKey, QString::fromStdString(step.latexString)}});
  }
  return maps;
}

int SolutionViewController::numberOfSections() const {
  int sections = 1;
  if (!chartSteps_.empty()) ++sections;
  if (!solutionSteps_.isEmpty() && !videoUrlStrings_.isEmpty()) ++sections;
  return sections;
}

QList<SolutionViewController::Row> SolutionViewController::rows() const {
  QList<Row> rows;
  for (int i = 0; i < solutionSteps_.size(); ++i) rows.append({StepRow, 0, i});
  int section = 1;
  if (!chartSteps_.empty()) {
    for (int i = 0; i < static_cast<int>(chartSteps_.size()); ++i) {
      rows.append({ChartRow, section, i});
    }
    ++section;
  }
  if (!solutionSteps_.isEmpty() && !videoUrlStrings_.isEmpty()) rows.append({VideoRow, section, 0});
  return rows;
}

void SolutionViewController::reload() {
  beginResetModel();
  rows_ = rows();
  endResetModel();
  emit solutionChanged();
}

int SolutionViewController::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SolutionViewController::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size()) return {};
  const Row& row = rows_[index.row()];
  if (role == KindRole) return row.kind;
  if (role == SectionRole) return row.section;
  if (row.kind == ChartRow) {
    const auto& charts = chartSteps_[static_cast<size_t>(row.index)];
    if (role == ChartStepRole) return ChartManager::wrap(charts);
    if (role != FrameRatioRole) return {};
    return charts.empty() || !charts.front() ? 1.0 : charts.front()->frameRatio;
  }
  if (row.kind == VideoRow) return role == VideoUrlsRole ? QVariant(videoUrlStrings_) : QVariant();
  if (row.kind != StepRow) return {};

  const QVariantMap& step = solutionSteps_[row.index];
  switch (role) {
    case TitleRole:
    case BoldTitleRole: {
      QString title = step.value(kTitleKey).toString();
      const bool bold = title.endsWith(QLatin1String(kBoldMarker));
      if (role == BoldTitleRole) return bold;
      if (bold) title.remove(QLatin1String(kBoldMarker));
      return title;
    }
    case MessageRole:
      return step.value(kMessageKey).toString();
    case LatexRole:
      return step.contains(kMessageKey) ? QString() : displayForms_.value(row.index);
    case RowHeightRole:
      if (configuredRowHeight_ && configuredRowHeight_->contains(row.index)) {
        return configuredRowHeight_->value(row.index);
      }
      return rowHeight_;
    default:
      return {};
  }
}

QHash<int, QByteArray> SolutionViewController::roleNames() const {
  return {{KindRole, "kind"},           {SectionRole, "section"},
          {TitleRole, "title"},         {BoldTitleRole, "boldTitle"},
          {LatexRole, "latex"},         {MessageRole, "message"},
          {RowHeightRole, "rowHeight"}, {FrameRatioRole, "frameRatio"},
          {ChartStepRole, "chartStep"}, {VideoUrlsRole, "videoUrls"}};
}

void SolutionViewController::setVideoUrlStrings(const QStringList& urls) {
  if (urls == videoUrlStrings_) return;
  // Only the video row changes: the steps and charts above it stay built.
  const bool hadRow = !solutionSteps_.isEmpty() && !videoUrlStrings_.isEmpty();
  const bool hasRow = !solutionSteps_.isEmpty() && !urls.isEmpty();
  const int videoRow = static_cast<int>(rows_.size()) - (hadRow ? 1 : 0);
  if (hadRow && !hasRow) beginRemoveRows({}, videoRow, videoRow);
  if (!hadRow && hasRow) beginInsertRows({}, videoRow, videoRow);
  videoUrlStrings_ = urls;
  rows_ = rows();
  if (hadRow && !hasRow) endRemoveRows();
  if (!hadRow && hasRow) endInsertRows();
  if (hadRow && hasRow) emit dataChanged(index(videoRow), index(videoRow), {VideoUrlsRole});
  if (hadRow != hasRow) emit solutionChanged();
}

RemoteConfigManager& SolutionViewController::remoteConfigManager() const {
  return remoteConfig_ ? *remoteConfig_ : RemoteConfigManager::shared();
}

void SolutionViewController::setRemoteConfigManager(RemoteConfigManager* manager) {
  if (videoListsWatched_) {
    disconnect(&remoteConfigManager(), &RemoteConfigManager::didLoadVideoTutorialsData, this,
               nullptr);
    videoListsWatched_ = false;
  }
  remoteConfig_ = manager;
}

void SolutionViewController::viewWillAppear() {
  RemoteConfigManager& manager = remoteConfigManager();
  // Lists that arrive while the page shows are taken at once.
  if (!videoListsWatched_) {
    videoListsWatched_ = true;
    connect(&manager, &RemoteConfigManager::didLoadVideoTutorialsData, this,
            &SolutionViewController::loadVideoUrlStrings);
  }
  loadVideoUrlStrings();
}

void SolutionViewController::loadVideoUrlStrings() {
  setVideoUrlStrings(remoteConfigManager().videoTutorialURLs(
      QString::fromLatin1(RemoteConfigManager::kTopicCode)));
}

void SolutionViewController::showSolution(
    const QList<QVariantMap>& steps, const ChartSteps& chartSteps, const QString& manualImageName,
    const std::optional<QHash<int, double>>& configuredRowHeight, double rowHeight,
    const std::optional<std::string>& typedArcLatex) {
  solutionSteps_ = steps;
  displayForms_.clear();
  for (const QVariantMap& step : steps) {
    displayForms_.append(
        step.contains(kLatexKey)
            ? QString::fromStdString(displayForm(step.value(kLatexKey).toString().toStdString()))
            : QString());
  }
  chartSteps_ = chartSteps;
  typedArcLatex_ = typedArcLatex;
  exactValuesCard_ = exactValuesCardLines(chartSteps, typedArcLatex);
  setPiHintInput({});
  setChartHighlight(StepHighlight::None);
  manualImageName_ = manualImageName;
  configuredRowHeight_ = configuredRowHeight;
  rowHeight_ = rowHeight;
  reload();
  if (!rows_.isEmpty()) emit scrollToTopRequested();
}

void SolutionViewController::clearSolution() {
  if (!rows_.isEmpty()) emit scrollToTopRequested();
  solutionSteps_.clear();
  displayForms_.clear();
  chartSteps_.clear();
  typedArcLatex_.reset();
  exactValuesCard_.clear();
  setPiHintInput({});
  setChartHighlight(StepHighlight::None);
  manualImageName_.clear();
  configuredRowHeight_.reset();
  reload();
}

QString SolutionViewController::exactValuesTitle() const {
  return QString::fromStdString(exactValuesCardTitle());
}

QString SolutionViewController::piHintText() const {
  if (piHintInput_.isEmpty()) return {};
  return QCoreApplication::translate("ExactValues", "didYouMean").arg(piHintInput_);
}

void SolutionViewController::setPiHintInput(const QString& input) {
  if (input == piHintInput_) return;
  piHintInput_ = input;
  emit piHintChanged();
}

void SolutionViewController::mark(StepHighlight highlight, int row) {
  if (highlight == StepHighlight::None) row = -1;
  if (highlight == chartHighlight_ && row == markedRow_) return;
  chartHighlight_ = highlight;
  markedRow_ = row;
  emit chartHighlightChanged();
}

int SolutionViewController::markedStepNumber() const {
  if (markedRow_ < 0 || markedRow_ >= rows_.size()) return 0;
  const int step = rows_[markedRow_].index;
  // "Step 12 ..." in any language: the title's first number; else the step's place.
  static const QRegularExpression number(QStringLiteral("\\d+"));
  const QRegularExpressionMatch found =
      number.match(solutionSteps_.value(step).value(kTitleKey).toString());
  return found.hasMatch() ? found.captured().toInt() : step;
}

void SolutionViewController::tappedStep(int row) {
  if (row < 0 || row >= rows_.size() || rows_[row].kind != StepRow) return;
  const QVariantMap& step = solutionSteps_.value(rows_[row].index);
  const StepHighlight highlight = highlightForStep(step.value(kLatexKey).toString());
  mark(row == markedRow_ ? StepHighlight::None : highlight, row);
  if (chartHighlight_ == StepHighlight::None) return;
  for (qsizetype i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kind == ChartRow) {
      emit rowRevealRequested(static_cast<int>(i));
      return;
    }
  }
}

void SolutionViewController::tappedPiHint() {
  if (piHintInput_.isEmpty()) return;
  CalcManager& store = CalcManager::shared();
  store.setCurrentCalculation(std::nullopt);
  store.setCurrentSelectedCalculation(calculationForStoring({}, piHintInput_));
  Navigation::shared().goToCalculation();
}

QString SolutionViewController::pdfDirectory() const {
  if (!pdfDirectory_.isEmpty()) return pdfDirectory_;
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

void SolutionViewController::savePdf() {
  if (solutionSteps_.isEmpty()) return;
  print::SolutionPdfContent content;
  for (const QVariantMap& step : solutionSteps_) {
    content.steps.push_back({step.value(kTitleKey).toString().toStdString(),
                             step.value(kLatexKey).toString().toStdString()});
  }
  content.chartSteps = chartSteps_;
  content.typedArcLatex = typedArcLatex_;

  const QString directory = pdfDirectory();
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString path = QDir(directory).filePath(QStringLiteral("unitcircle-solution-%1.pdf").arg(stamp));
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path =
        QDir(directory).filePath(QStringLiteral("unitcircle-solution-%1-%2.pdf").arg(stamp).arg(n));
  }
  // A folder that cannot be made fails the write below, which says why.
  QDir().mkpath(directory);
  const std::optional<QString> failure = print::writeSolutionPdf(content, path);

  ViewManager& views = ViewManager::shared();
  if (failure) {
    qWarning().noquote() << "PDF: could not write" << path << *failure;
    views.showToast(pdfText("pdfNotSaved")
                        .replace(QLatin1String("%1"), QDir::toNativeSeparators(directory))
                        .replace(QLatin1String("%2"), *failure));
    emit pdfFinished({});
    return;
  }
  // The folder's own name and the file's: a whole path does not fit a phone's toast.
  const QString shown = QDir::toNativeSeparators(QDir(directory).dirName() + QLatin1Char('/') +
                                                 QFileInfo(path).fileName());
  views.showToast(pdfText("pdfSaved").replace(QLatin1String("%1"), shown),
                  {pdfText("Open"), [opener = fileOpener_, path, shown] {
                     const QUrl url = QUrl::fromLocalFile(path);
                     const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
                     if (!opened) {
                       ViewManager::shared().showToast(
                           pdfText("pdfNotOpened").replace(QLatin1String("%1"), shown));
                     }
                   }});
  emit pdfFinished(path);
}

QString SolutionViewController::shareDirectory() const {
  if (!shareDirectory_.isEmpty()) return shareDirectory_;
  QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return pictures.isEmpty() ? QDir::homePath() : pictures;
}

void SolutionViewController::share() {
  Analytics::log(analytics::event::kTiroTappedShare, analyticsParams(solutionSteps_));
  QTimer::singleShot(0, this, [this] {
    if (solutionSteps_.isEmpty() || awaitingChartImages_) return;
    AppState::shared().setCapturingScreenshot(true);
    ViewManager& views = ViewManager::shared();
    views.showLoadingOverlay();
    views.showAlert(solutionViewText("sharingImageQualityTitle"),
                    solutionViewText("sharingImageQualityText"));
    QTimer::singleShot(kOverlayFrameMs, this, &SolutionViewController::captureAndShare);
  });
}

void SolutionViewController::captureAndShare() {
  const ColorManager& colors = ColorManager::shared();
  SolutionImageStyle style;
  style.background = colors.systemBackgroundColor();
  style.text = colors.labelColor();
  style.separator = colors.systemGray4Color();

  // The exact values card first, as on the page: its title over its first line.
  QList<SolutionImageRow> rows;
  const QStringList cardLatex = exactValuesLatex();
  for (qsizetype i = 0; i < cardLatex.size(); ++i) {
    rows.append({i == 0 ? exactValuesTitle() : QString(), i == 0, cardLatex[i], {}});
  }
  for (qsizetype i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kind != StepRow) continue;
    const QModelIndex at = index(static_cast<int>(i));
    rows.append({data(at, TitleRole).toString(), data(at, BoldTitleRole).toBool(),
                 data(at, LatexRole).toString(), data(at, MessageRole).toString()});
  }
  pendingStepImages_ = renderSolutionRows(rows, style);

  // The charts are drawn by their views; without a view the image has the steps alone.
  static const QMetaMethod request =
      QMetaMethod::fromSignal(&SolutionViewController::chartImagesRequested);
  if (chartSteps_.empty() || !isSignalConnected(request)) {
    finishShare({});
    return;
  }
  awaitingChartImages_ = true;
  pendingChartImages_.clear();
  if (!chartCaptureTimer_) {
    chartCaptureTimer_ = new QTimer(this);
    chartCaptureTimer_->setSingleShot(true);
    connect(chartCaptureTimer_, &QTimer::timeout, this, [this] {
      qWarning().noquote() << "SHARE: the charts were not drawn in time; sharing the steps alone";
      awaitingChartImages_ = false;
      pendingChartImages_.clear();
      finishShare({});
    });
  }
  chartCaptureTimer_->start(chartCaptureTimeoutMs_);
  emit chartImagesRequested(style.minimumWidth, style.scale);
}

QVariant SolutionViewController::chartStepAt(int index) const {
  if (index < 0 || index >= static_cast<int>(chartSteps_.size())) return {};
  return ChartManager::wrap(chartSteps_[static_cast<size_t>(index)]);
}

void SolutionViewController::chartImageCaptured(int index, const QVariant& image) {
  if (!awaitingChartImages_) return;  // too late, or nothing asked
  const QImage picture = image.value<QImage>();
  if (!picture.isNull()) pendingChartImages_.insert(index, picture);
}

void SolutionViewController::chartImagesCaptured() {
  if (!awaitingChartImages_) return;
  awaitingChartImages_ = false;
  if (chartCaptureTimer_) chartCaptureTimer_->stop();
  finishShare(std::exchange(pendingChartImages_, {}).values());
}

void SolutionViewController::finishShare(const QList<QImage>& chartImages) {
  const QColor background = ColorManager::shared().systemBackgroundColor();
  QList<QImage> parts = std::exchange(pendingStepImages_, {});
  parts.append(chartImages);
  const QImage image = stitchVertically(parts, background);

  QString written;
  QString message;
  if (!image.isNull()) {
    const QString directory = shareDirectory();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path =
        QDir(directory).filePath(QStringLiteral("unitcircle-solution-%1.png").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n) {
      path = QDir(directory).filePath(
          QStringLiteral("unitcircle-solution-%1-%2.png").arg(stamp).arg(n));
    }
    // Written aside and renamed when complete: the picture never shows up half written.
    QSaveFile file(path);
    if (QDir().mkpath(directory) && file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") &&
        file.commit()) {
      written = path;
    } else {
      qWarning().noquote() << "SHARE: could not write" << path;
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
      app->clipboard()->setImage(image);
    }
    message = written.isEmpty()
                  ? solutionViewText("shareCopiedNotSaved").replace(QLatin1String("%1"), directory)
                  : solutionViewText("shareSaved")
                        .replace(QLatin1String("%1"), QDir::toNativeSeparators(written));
  }

  lastSharedFile_ = written;
  ViewManager& views = ViewManager::shared();
  views.hideLoadingOverlay();
  AppState::shared().setCapturingScreenshot(false);
  if (!message.isEmpty()) views.showToast(message);
  emit shareFinished(written);
}

}  // namespace uc
