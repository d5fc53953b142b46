#include <QtQml/qqmlextensionplugin.h>

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>
#include <memory>

#include "ui/shell/color_manager.h"
#include "ui/shell/style.h"

Q_IMPORT_QML_PLUGIN(UnitCircle_StylePlugin)

using uc::ColorManager;

namespace {

bool darkNow = true;

// Something with the two properties the tag rules write.
class Swatch : public QObject {
  Q_OBJECT
  Q_PROPERTY(QColor color MEMBER color)
  Q_PROPERTY(double opacity MEMBER opacity)

 public:
  QColor color;
  double opacity = 1.0;
};

}  // namespace

class TestColorManager : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ColorManager::setAppearanceProbe([] { return darkNow; });
  }

  void paletteIsFixedAtFirstUse() {
    darkNow = true;
    const QColor first = ColorManager::shared().primaryColor();
    darkNow = false;
    QCOMPARE(ColorManager::shared().primaryColor(), first);
    QVERIFY(ColorManager::shared().darkAppearance());
    QCOMPARE(ColorManager::shared().primaryColor(), ColorManager(true).primaryColor());
    // The styling rules follow the appearance of the moment.
    QCOMPARE(ColorManager::opacityForTag(200), 0.5);
    darkNow = true;
    QCOMPARE(ColorManager::opacityForTag(200), 0.3);
    QCOMPARE(ColorManager::opacityForTag(201), 1.0);
  }

  void darkPaletteHasSeventyPercentBrightness() {
    const ColorManager light(false);
    const ColorManager dark(true);
    for (int tag = 101; tag <= 105; ++tag) {
      const QColor l = light.colorForTag(tag).toHsv();
      const QColor d = dark.colorForTag(tag).toHsv();
      QVERIFY2(qAbs(d.valueF() - 0.7f * l.valueF()) < 1e-4f, qPrintable(QString::number(tag)));
      QVERIFY(qAbs(d.hsvHueF() - l.hsvHueF()) < 1e-3f);
      QVERIFY(qAbs(d.hsvSaturationF() - l.hsvSaturationF()) < 1e-3f);
    }
    QVERIFY(!light.colorForTag(100).isValid());
    QVERIFY(!light.colorForTag(200).isValid());
    QCOMPARE(light.adaptiveGrayColor(), light.systemGray4Color());
    QCOMPARE(dark.adaptiveGrayColor(), dark.systemGrayColor());
  }

  void hexStringTruncatesComponents() {
    QCOMPARE(ColorManager::hexString(Qt::white), QStringLiteral("#ffffff"));
    QCOMPARE(ColorManager::hexString(Qt::red), QStringLiteral("#ff0000"));
    QCOMPARE(ColorManager::hexString(ColorManager(false).primaryDarkColor()),
             QStringLiteral("#c97054"));  // 0.79, 0.44, 0.33 times 255, truncated
    QCOMPARE(ColorManager::hexString(ColorManager(false).systemGrayColor()),
             QStringLiteral("#8e8e93"));
    QCOMPARE(ColorManager::hexString(QColor()), QString());
  }

  void adaptedForDarkModeScalesBrightnessOnlyInDark() {
    const ColorManager manager(false);
    const QColor color = QColor::fromHsvF(0.5f, 0.4f, 0.8f, 0.6f);
    darkNow = false;
    QCOMPARE(manager.adaptedForDarkMode(color, 0.5), color);
    darkNow = true;
    const QColor half = manager.adaptedForDarkMode(color, 0.5).toHsv();
    QVERIFY(qAbs(half.valueF() - 0.4f) < 1e-3f);
    QVERIFY(qAbs(half.hsvHueF() - 0.5f) < 1e-3f);
    QVERIFY(qAbs(half.alphaF() - 0.6f) < 1e-3f);
    QCOMPARE(manager.adaptedForDarkMode(color, -2.0).toHsv().valueF(), 0.0f);
    QCOMPARE(manager.adaptedForDarkMode(color, 5.0).toHsv().valueF(), 1.0f);
  }

  void styleTagWritesColourOrOpacity() {
    Swatch swatch;
    uc::StyleAttached* style = uc::Style::qmlAttachedProperties(&swatch);
    style->setTag(103);
    QCOMPARE(swatch.color, ColorManager::shared().secondaryColor());
    QCOMPARE(swatch.opacity, 1.0);

    darkNow = false;
    Swatch dimmed;
    uc::StyleAttached* dimStyle = uc::Style::qmlAttachedProperties(&dimmed);
    dimStyle->setTag(200);
    QCOMPARE(dimmed.opacity, 0.5);
    QVERIFY(!dimmed.color.isValid());
    QVERIFY(dimStyle->shadowed());
  }

  void qmlSeesTheModule() {
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick\nimport UnitCircle.Style\n"
        "QtObject { property color color; Style.tag: 101\n"
        "  property string hex: ColorManager.hexString(ColorManager.primaryDarkColor) }",
        QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("color").value<QColor>(), ColorManager::shared().primaryDarkColor());
    QCOMPARE(object->property("hex").toString(),
             ColorManager::hexString(ColorManager::shared().primaryDarkColor()));
  }
};

QTEST_MAIN(TestColorManager)
#include "tst_color_manager.moc"
