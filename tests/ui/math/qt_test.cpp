#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtPlugin>
#include <cmath>
#include <memory>
#include <vector>

#include "ui/math/qt/embedded_font.h"
#include "ui/math/qt/math_label.h"
#include "ui/math/qt/qt_painter.h"

Q_IMPORT_QML_PLUGIN(UnitCircle_MathPlugin)

namespace uc::math {
namespace {

QImage render(std::string_view latex, float px = 20) {
  ImageOptions options;
  options.pixelSize = px;
  options.background = 0xffffffffu;
  return renderImage(latex, options).convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels whose channels differ by more than a rendering wobble.
double differingShare(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
      if (d > 48) ++differing;
    }
  }
  return static_cast<double>(differing) / (a.width() * a.height());
}

struct Golden {
  const char* name;
  const char* latex;
  friend void PrintTo(const Golden& g, std::ostream* os) { *os << g.name; }
};

class GoldenImage : public ::testing::TestWithParam<Golden> {};

// Set UC_UPDATE_GOLDEN=1 to rewrite the references after an intended change, then look at them.
TEST_P(GoldenImage, MatchesReference) {
  const Golden& g = GetParam();
  QImage actual = render(g.latex);
  QString path = QStringLiteral(UC_MATH_GOLDEN_DIR "/%1.png").arg(QLatin1String(g.name));
  if (qEnvironmentVariableIsSet("UC_UPDATE_GOLDEN")) {
    ASSERT_TRUE(actual.save(path));
    GTEST_SKIP() << "reference written";
  }
  QImage expected(path);
  ASSERT_FALSE(expected.isNull()) << path.toStdString();
  expected = expected.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(actual.size(), expected.size()) << g.name;
  EXPECT_LT(differingShare(actual, expected), 0.005) << g.name;
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, GoldenImage,
    ::testing::Values(
        Golden{"convert",
               "\\frac{2\\pi}{360^{\\circ}} = \\frac{b}{\\;\\color{#ff3333}{ \\alpha }}\\quad "
               "| \\cdot\\alpha"},
        Golden{"multiplication",
               "b = \\;\\color{#ff3333}{ 45^{\\circ} \\cdot "
               "0.017453292519943295\\frac{1}{^{\\circ}} }"},
        Golden{"tangent",
               "\\tan\\left(\\alpha\\right) = \\frac{\\sin\\left(45^{\\circ}\\right)}"
               "{\\cos\\left(45^{\\circ}\\right)}"},
        Golden{"negative", "b = \\left(-\\frac{\\pi}{4}\\right) \\quad \\sum = 0 \\quad Q = III"},
        Golden{"cancel", "\\frac{25 : 25}{100 : 25} = \\frac{1}{4}"},
        Golden{"radical",
               "\\sin\\alpha = \\frac{\\sqrt{10+2\\sqrt{5}}}{4} \\quad "
               "\\tan\\alpha = 2-\\sqrt{3}"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtRender, ColoursAndSizeFollowTheOptions) {
  QImage red = render("\\color{#ff3333}{x}");
  bool sawRed = false;
  for (int y = 0; y < red.height(); ++y)
    for (int x = 0; x < red.width(); ++x) sawRed |= red.pixel(x, y) == qRgb(0xff, 0x33, 0x33);
  EXPECT_TRUE(sawRed);

  ImageOptions hiDpi;
  hiDpi.devicePixelRatio = 2;
  QImage one = renderImage("\\frac{1}{2}", ImageOptions{});
  QImage two = renderImage("\\frac{1}{2}", hiDpi);
  EXPECT_NEAR(two.width(), 2 * one.width(), 2);
  EXPECT_NEAR(render("x", 40).height(), 2 * render("x", 20).height() - 4, 2);  // padding is fixed
}

TEST(QtRender, FractionBarIsAtLeastOnePixelAndOpaque) {
  QImage img = render("\\frac{1}{2}", 10);
  int darkest = 255;
  for (int y = 0; y < img.height(); ++y)
    darkest = std::min(darkest, qGray(img.pixel(img.width() / 2, y)));
  EXPECT_LT(darkest, 20);

  // The bar keeps its place at any device pixel ratio: the darkest-across row sits at the same
  // height relative to the image.
  std::vector<double> barHeights;
  for (qreal ratio : {1.0, 2.0}) {
    ImageOptions options;
    options.devicePixelRatio = ratio;
    const QImage scaled =
        renderImage("\\frac{1}{2}", options).convertToFormat(QImage::Format_ARGB32);
    int widestDarkRow = 0;
    int barRow = -1;
    for (int y = 0; y < scaled.height(); ++y) {
      int dark = 0;
      for (int x = 0; x < scaled.width(); ++x) dark += qGray(scaled.pixel(x, y)) < 100 ? 1 : 0;
      if (dark > widestDarkRow) {
        widestDarkRow = dark;
        barRow = y;
      }
    }
    EXPECT_GT(widestDarkRow, scaled.width() / 2) << "device pixel ratio " << ratio;
    barHeights.push_back(static_cast<double>(barRow) / scaled.height());
  }
  EXPECT_NEAR(barHeights[0], barHeights[1], 0.05);
}

class MathLabelTest : public ::testing::Test {
 protected:
  std::unique_ptr<QObject> create(const QByteArray& body) {
    QQmlComponent component(&engine_);
    component.setData("import QtQuick\nimport UnitCircle.Math\n" + body, QUrl());
    std::unique_ptr<QObject> obj(component.create());
    EXPECT_TRUE(obj) << component.errorString().toStdString();
    return obj;
  }
  QQmlEngine engine_;
};

TEST_F(MathLabelTest, SizesItselfFromTheLayoutAndSpeaks) {
  auto obj = create("MathLabel { latex: 'b = \\\\frac{\\\\pi}{4}'; fontSize: 20 }");
  auto* label = qobject_cast<MathLabel*>(obj.get());
  ASSERT_NE(label, nullptr);
  DisplayList d = layoutFormula("b = \\frac{\\pi}{4}", *embeddedMathFont());
  EXPECT_EQ(label->implicitWidth(), std::ceil(d.pixels(d.width, 20) + 4));
  EXPECT_EQ(label->implicitHeight(), std::ceil(d.pixels(d.height + d.depth, 20) + 4));
  EXPECT_EQ(label->spokenText(), QStringLiteral("b equals pi over 4"));
  EXPECT_EQ(
      QQmlProperty::read(label, QStringLiteral("Accessible.name"), qmlContext(label)).toString(),
      QStringLiteral("b equals pi over 4"));
  EXPECT_FALSE(label->hasErrors());

  label->setFontSize(40);
  EXPECT_EQ(label->implicitWidth(), std::ceil(d.pixels(d.width, 40) + 8));
  label->setLatex(QStringLiteral("\\sin(\\alpha) = \\oops"));
  EXPECT_TRUE(label->hasErrors());
  EXPECT_EQ(
      QQmlProperty::read(label, QStringLiteral("Accessible.name"), qmlContext(label)).toString(),
      QStringLiteral("sine of alpha equals \\oops"));
}

TEST_F(MathLabelTest, PaintsInItsColour) {
  auto obj = create("MathLabel { latex: 'x = 1'; color: '#0000ff' }");
  auto* label = qobject_cast<MathLabel*>(obj.get());
  ASSERT_NE(label, nullptr);
  QImage img(static_cast<int>(label->implicitWidth()), static_cast<int>(label->implicitHeight()),
             QImage::Format_ARGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    label->paint(&p);
  }
  bool sawBlue = false;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sawBlue |= img.pixel(x, y) == qRgb(0, 0, 0xff);
  EXPECT_TRUE(sawBlue);
}

// The whole path a screen uses: QML import, scene graph, texture at the window's pixel ratio.
TEST_F(MathLabelTest, DrawsInsideAWindow) {
  auto obj = create(
      "Window { width: 200; height: 80; color: 'white'; visible: true\n"
      "  MathLabel { objectName: 'label'; latex: '\\\\frac{\\\\pi}{4}'; color: '#009900' } }");
  auto* window = qobject_cast<QQuickWindow*>(obj.get());
  ASSERT_NE(window, nullptr);
  auto* label = window->findChild<MathLabel*>(QStringLiteral("label"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->width(), label->implicitWidth());
  QImage shot = window->grabWindow().convertToFormat(QImage::Format_ARGB32);
  int green = 0;
  for (int y = 0; y < static_cast<int>(label->height()); ++y)
    for (int x = 0; x < static_cast<int>(label->width()); ++x)
      green += shot.pixel(x, y) == qRgb(0, 0x99, 0);
  EXPECT_GT(green, 10);
  EXPECT_EQ(shot.pixel(199, 79), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace uc::math

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
