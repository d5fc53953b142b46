#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdlib>
#include <memory>

#include "flow/user_defaults.h"

// The app as a learner starts it, under the X server this test runs in (CTest starts it
// through xvfb-run): taps on its keypad with xdotool, then the history the app stored, the
// screen and the shared image.
//
// The window is 400 × 1000. There the keys reach their full height of 72 with a gap of 8,
// in a 4 × 5 grid whose bottom lies 16 above the window's bottom (Keypad.qml and
// CalculateViewController.qml); the key in row r and column c has its centre at
// (59 + 94 c, 628 + 80 r), and calculate spans the last two columns of row 4.
class TestEndToEndKeypad : public QObject {
  Q_OBJECT

  struct Key {
    const char* name;
    int x;
    int y;
  };
  static constexpr Key kOne{"1", 59, 788};
  static constexpr Key kTwo{"2", 153, 788};
  static constexpr Key kZero{"0", 59, 868};
  static constexpr Key kMinus{"-", 341, 788};
  static constexpr Key kCalculate{"calculate", 294, 948};
  // The toolbar's menu button; in the drawer, the "History" row (below the 90 high menu
  // title, rows 48 high); in the history, rows 60 high under the 48 high toolbar.
  static constexpr Key kMenu{"menu", 28, 24};
  static constexpr Key kMenuHistory{"history", 100, 162};
  static Key historyRow(int row) { return {"row", 150, 48 + 30 + 60 * row}; }
  // The result page's share button, in the strip right of the list, below toolbar and tabs.
  static constexpr Key kShare{"share", 375, 124};
  // The introduction's button under its pages: 48 high, 24 above the window's bottom.
  static constexpr Key kAdvance{"advance", 200, 952};

  static QString run(const QStringList& arguments, int timeoutMs = 20000) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(timeoutMs)) {
      xdotool.kill();
      xdotool.waitForFinished();
      return {};
    }
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
  }

  // Starts the app on the settings file and returns its window, or an empty id.
  QString start(QProcess& app) { return start(app, settings_); }
  QString start(QProcess& app, const QString& settings) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("LC_ALL", "C");
    env.insert("LANG", "C");
    env.insert("HOME", dir_.path());  // analytics and pictures stay in the test's folder
    // Configuration and the network probe stay on this machine.
    env.insert("UNITCIRCLE_CONFIG_URL",
               QUrl::fromLocalFile(dir_.filePath("config.json")).toString());
    env.insert("UNITCIRCLE_PROBE_URL", "http://127.0.0.1:9/");
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(QStringLiteral(UC_APP_BINARY), {"--settings", settings, "-geometry", "400x1000+0+0"});
    if (!app.waitForStarted()) return {};
    const QString pid = QString::number(app.processId());
    return run({"search", "--sync", "--onlyvisible", "--pid", pid}).section('\n', 0, 0);
  }

  void tap(const QString& window, const Key& key) {
    run({"mousemove", "--window", window, QString::number(key.x), QString::number(key.y), "click",
         "1"});
    QTest::qWait(100);  // one tap after the other, as a finger would
  }

  void key(const QString& window, const char* name, int times = 1) {
    run({"windowfocus", "--sync", window});
    for (int i = 0; i < times; ++i) run({"key", "--clearmodifiers", name});
    QTest::qWait(100);
  }

  // Pixels of the image within a small distance of a colour.
  static int pixelsNear(const QImage& image, QColor colour, int tolerance = 40) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < rgb.width(); ++x) {
        if (std::abs(qRed(line[x]) - colour.red()) + std::abs(qGreen(line[x]) - colour.green()) +
                std::abs(qBlue(line[x]) - colour.blue()) <=
            tolerance) {
          ++count;
        }
      }
    }
    return count;
  }

  static void stop(QProcess& app) {
    app.terminate();
    if (!app.waitForFinished(5000)) {
      app.kill();
      app.waitForFinished();
    }
  }

  // What the app has written, read as the next start of the app would.
  QJsonArray storedHistory() const { return storedHistory(settings_); }
  static QJsonArray storedHistory(const QString& settings) {
    uc::UserDefaults defaults(settings);
    return defaults.value(QStringLiteral("Calculations")).toArray();
  }

  QJsonObject stored(const char* key) const {
    uc::UserDefaults defaults(settings_);
    return defaults.value(QLatin1String(key)).toObject();
  }

 private slots:
  void initTestCase() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("needs an X server (run through CTest)");
    QVERIFY(dir_.isValid());
    settings_ = dir_.filePath("settings.jsonl");
    // A returning user: no first-launch pages, notice or rating prompt over the keys.
    uc::UserDefaults defaults(settings_);
    for (const char* key : {"isOnboardingFinished", "isDsgvoAccepted", "isRatingAlreadyDone"}) {
      QVERIFY(defaults.setBool(QString::fromLatin1(key), true));
    }
  }

  void tapsOnTheKeypadAreStoredInTheHistory() {
    QProcess app;
    const QString window = start(app);
    QVERIFY2(!window.isEmpty(), "the app's window did not appear");

    for (const Key& key : {kOne, kTwo, kZero, kCalculate}) tap(window, key);
    QTRY_COMPARE_WITH_TIMEOUT(storedHistory().size(), 2, 15000);
    stop(app);

    const QJsonArray history = storedHistory();
    const QJsonObject newest = history.at(0).toObject();
    QCOMPARE(newest.value("inputParameters").toObject(), (QJsonObject{{"α", "120"}}));
    QCOMPARE(newest.value("latexString").toString(),
             QStringLiteral("\\alpha = 120^{\\circ} \\quad b = ?"));
    QCOMPARE(newest.value("setupParameter").toObject(), (QJsonObject{{"appKey", "KV"}}));
    QCOMPARE(history.at(1).toObject().value("latexString").toString(),
             QStringLiteral("\\alpha = 55^{\\circ} \\quad b = ?"));  // the first start's sample
    // Leaving the input page for the result kept what was typed.
    QCOMPARE(stored("CurrentCalculation").value("inputParameters").toObject(),
             (QJsonObject{{"α", "120"}}));
  }

  void aRestartBringsTheInputBack() {
    QProcess app;
    const QString window = start(app);
    QVERIFY2(!window.isEmpty(), "the app's window did not appear");

    // The restored "120" gets its sign on the keypad and is calculated again.
    for (const Key& key : {kMinus, kCalculate}) tap(window, key);
    QTRY_COMPARE_WITH_TIMEOUT(storedHistory().size(), 3, 15000);
    stop(app);

    QCOMPARE(storedHistory().at(0).toObject().value("inputParameters").toObject(),
             (QJsonObject{{"α", "-120"}}));
  }

  void anEntryIsReopenedFromTheHistory() {
    QProcess app;
    const QString window = start(app);
    QVERIFY2(!window.isEmpty(), "the app's window did not appear");

    // Drawer, history, the oldest entry (the sample α = 55), then calculate on the fresh
    // input page it fills.
    tap(window, kMenu);
    QTest::qWait(500);  // the drawer slides in
    tap(window, kMenuHistory);
    QTest::qWait(500);
    tap(window, historyRow(2));
    QTest::qWait(500);  // the drawer closes over the fresh pages
    tap(window, kCalculate);
    QTRY_COMPARE_WITH_TIMEOUT(storedHistory().size(), 4, 15000);
    stop(app);

    QCOMPARE(storedHistory().at(0).toObject().value("inputParameters").toObject(),
             (QJsonObject{{"α", "55"}}));
  }

  void theChartsAreDrawnBelowTheStepsAndShared() {
    QProcess app;
    const QString window = start(app);
    QVERIFY2(!window.isEmpty(), "the app's window did not appear");

    // α = 55 again (the restored input), then down past the steps to the charts: the unit
    // circle and, below it, the start of the sine graph.
    tap(window, kCalculate);
    QTRY_COMPARE_WITH_TIMEOUT(storedHistory().size(), 5, 15000);
    QTest::qWait(800);  // the slide to the result page
    key(window, "End", 2);
    key(window, "Up", 11);
    QTest::qWait(3500);  // half a second's wait, one turn, the projections
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    // The first turn's arc (hue 0) and the sine graph's line are red, the projection onto
    // the x axis and the cosine graph blue.
    QVERIFY2(pixelsNear(screen, QColor(255, 25, 25), 90) > 200, "no red arc or graph on screen");
    const int darkPixels = pixelsNear(screen, Qt::black, 200);
    QVERIFY2(darkPixels > 1000, "no axes or labels on screen");

    tap(window, kShare);
    const QDir pictures(dir_.filePath("Pictures"));
    // The picture appears under its name only once it is complete.
    QTRY_VERIFY_WITH_TIMEOUT(!pictures.entryList({"*.png"}, QDir::Files).isEmpty(), 15000);
    stop(app);
    const QImage shared(pictures.filePath(pictures.entryList({"*.png"}, QDir::Files).first()));
    QVERIFY(!shared.isNull());
    // Below the steps: the circle's row and both graphs, the cosine line in its own blue.
    const QImage bottom =
        shared.copy(0, shared.height() - 2 * shared.width(), shared.width(), 2 * shared.width());
    QVERIFY2(pixelsNear(bottom, QColor(0x00, 0x0C, 0xFF)) > 200, "no cosine graph in the image");
    QVERIFY2(pixelsNear(bottom, QColor(0xFF, 0x00, 0x00)) > 200, "no sine graph in the image");
  }

  void aFirstLaunchGoesThroughTheNoticeAndThePagesToACalculation() {
    const QString fresh = dir_.filePath("first-launch.jsonl");
    const auto flag = [&fresh](const char* key) {
      return uc::UserDefaults(fresh).boolValue(QLatin1String(key));
    };
    QProcess app;
    const QString window = start(app, fresh);
    QVERIFY2(!window.isEmpty(), "the app's window did not appear");

    // The notice's one button has the keyboard; the pages under it wait.
    QTest::qWait(1000);
    tap(window, kAdvance);
    key(window, "Return");
    QTRY_VERIFY_WITH_TIMEOUT(flag("isDsgvoAccepted"), 10000);
    QVERIFY(!flag("isOnboardingFinished"));
    for (int page = 0; page < 5; ++page) {
      tap(window, kAdvance);
      QTest::qWait(500);  // the next page slides in
    }
    QTRY_VERIFY_WITH_TIMEOUT(flag("isOnboardingFinished"), 10000);

    for (const Key& key : {kOne, kTwo, kZero, kCalculate}) tap(window, key);
    QTRY_COMPARE_WITH_TIMEOUT(storedHistory(fresh).size(), 2, 15000);
    stop(app);
    QCOMPARE(storedHistory(fresh).at(0).toObject().value("inputParameters").toObject(),
             (QJsonObject{{"α", "120"}}));
  }

 private:
  QTemporaryDir dir_;
  QString settings_;
};

// A GUI application on the same X server, so that the test can look at the screen.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  else
    qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  TestEndToEndKeypad test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_e2e_keypad.moc"
