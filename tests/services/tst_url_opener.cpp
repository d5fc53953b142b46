#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "services/url_opener.h"

using uc::DesktopUrlOpener;

// The desktop opener asks the handler database (xdg-mime) whether an app is installed for a
// scheme. Here a stand-in xdg-mime on PATH logs each question and answers only once released.
class TestUrlOpener : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QStringList questions() const {
    QFile log(path("questions"));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  void setInstalled(const QByteArray& schemes) {
    QFile installed(path("installed"));
    QVERIFY(installed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    installed.write(schemes);
  }
  void release() { QVERIFY(QFile(path("release")).open(QIODevice::WriteOnly)); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QFile script(path("xdg-mime"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\n"
        "dir=$(dirname \"$0\")\n"
        "echo \"$3\" >> \"$dir/questions\"\n"
        "while [ ! -e \"$dir/release\" ]; do sleep 0.02; done\n"
        "grep -qx \"${3#x-scheme-handler/}\" \"$dir/installed\" && echo app.desktop\n"
        "exit 0\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    qputenv("PATH", QFile::encodeName(dir_.path()) + ':' + qgetenv("PATH"));
  }

  // A tap never waits for the database: an answer not yet there counts as no app (the
  // store page opens instead), and each scheme is asked once, not at every tap.
  void askingNeverWaitsAndAsksOnce() {
    setInstalled("trianglesolver\n");
    DesktopUrlOpener opener;
    const QUrl app(QStringLiteral("trianglesolver://open"));
    QVERIFY(!opener.canOpen(app));
    QTRY_COMPARE(questions(), QStringList{QStringLiteral("x-scheme-handler/trianglesolver")});
    QVERIFY(!opener.canOpen(app));
    QVERIFY(opener.canOpen(QUrl(QStringLiteral("https://apps.unitcircle.app/x"))));

    release();
    QTRY_VERIFY(opener.canOpen(app));
    QCOMPARE(questions().size(), 1);
    QVERIFY(!opener.canOpen(QUrl(QStringLiteral("file:///etc/passwd"))));
    QCOMPARE(questions().size(), 1);
  }

  // Asking ahead (the menu does as it opens) asks each scheme once; after the app has been
  // away it asks again and finds apps removed or installed since, the earlier answer holding
  // until the new one is there.
  void askingAheadFindsChanges() {
    release();
    setInstalled("trianglesolver\ntrianglesolverpro\n");
    DesktopUrlOpener opener;
    const QUrl app(QStringLiteral("trianglesolver://open"));
    const QUrl pro(QStringLiteral("trianglesolverpro://open"));
    opener.prepare({QStringLiteral("trianglesolver"), QStringLiteral("trianglesolverpro")});
    QTRY_VERIFY(opener.canOpen(app) && opener.canOpen(pro));
    opener.prepare({QStringLiteral("trianglesolver"), QStringLiteral("trianglesolverpro")});
    QCOMPARE(questions().size(), 2);

    setInstalled("trianglesolverpro\n");
    QFile::remove(path("release"));
    opener.forgetAnswers();
    opener.prepare({QStringLiteral("trianglesolver"), QStringLiteral("trianglesolverpro")});
    QTRY_COMPARE(questions().size(), 3);
    QVERIFY(opener.canOpen(app) && opener.canOpen(pro));
    release();
    QTRY_VERIFY(!opener.canOpen(app) && opener.canOpen(pro));
    QTRY_COMPARE(questions().size(), 4);
  }

  void cleanup() {
    QFile::remove(path("questions"));
    QFile::remove(path("release"));
  }
};

QTEST_GUILESS_MAIN(TestUrlOpener)
#include "tst_url_opener.moc"
