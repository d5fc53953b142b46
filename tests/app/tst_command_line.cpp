#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The app's command line, run as a user runs it: on a machine without any display.
class CommandLineTest : public QObject {
  Q_OBJECT

  static QProcess* run(QObject* parent, const QStringList& arguments) {
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(QString::fromLatin1(name));
    }
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(UC_APP_BINARY), arguments);
    return process;
  }

 private slots:
  void helpNeedsNoDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")};
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")};
    QTest::newRow("after an option")
        << QStringList{QStringLiteral("--settings=/nonexistent/x"), QStringLiteral("--help")};
  }

  void helpNeedsNoDisplay() {
    QFETCH(QStringList, arguments);
    QProcess* process = run(this, arguments);
    QVERIFY(process->waitForFinished(30000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
    const QString help = QString::fromUtf8(process->readAllStandardOutput());
    for (const char* option : {"--settings FILE", "--config-url URL", "UNITCIRCLE_SETTINGS",
                               "UNITCIRCLE_CONFIG_URL", "--help"}) {
      QVERIFY2(help.contains(QLatin1String(option)), option);
    }
    QCOMPARE(process->readAllStandardError(), QByteArray());
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
