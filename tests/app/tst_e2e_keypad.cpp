#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "flow/user_defaults.h"

// The app as a learner starts it, under the X server this test runs in (CTest starts it
// through xvfb-run): taps on its keypad with xdotool, then the history the app stored.
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
  QString start(QProcess& app) {
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
    app.start(QStringLiteral(UC_APP_BINARY),
              {"--settings", settings_, "-geometry", "400x1000+0+0"});
    if (!app.waitForStarted()) return {};
    const QString pid = QString::number(app.processId());
    return run({"search", "--sync", "--onlyvisible", "--pid", pid}).section('\n', 0, 0);
  }

  void tap(const QString& window, const Key& key) {
    run({"mousemove", "--window", window, QString::number(key.x), QString::number(key.y), "click",
         "1"});
    QTest::qWait(100);  // one tap after the other, as a finger would
  }

  static void stop(QProcess& app) {
    app.terminate();
    if (!app.waitForFinished(5000)) {
      app.kill();
      app.waitForFinished();
    }
  }

  // What the app has written, read as the next start of the app would.
  QJsonArray storedHistory() const {
    uc::UserDefaults defaults(settings_);
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

 private:
  QTemporaryDir dir_;
  QString settings_;
};

QTEST_GUILESS_MAIN(TestEndToEndKeypad)
#include "tst_e2e_keypad.moc"
