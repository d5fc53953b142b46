// Typesetting cost of a whole solution as the solution screen shows it: the input step and the
// 22 numbered steps, for an angle (45°) and for an arc (3π/4), in display form.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ui/math/display_list.h"
#include "ui/math/parser.h"

#ifdef UC_MATH_BENCH_QT
#include <QGuiApplication>

#include "ui/math/qt/embedded_font.h"
#include "ui/math/qt/qt_painter.h"
#endif

namespace {

using uc::math::MathFont;

// The solution screen's rewrites that matter for layout: stretchy parentheses, no ".0" on
// whole numbers, a thin space before each colour.
std::string displayForm(std::string s) {
  auto replaceAll = [&](std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
      s.replace(at, from.size(), to);
  };
  replaceAll("(", "\\left(");
  replaceAll(")", "\\right)");
  for (std::size_t at = s.find(".0"); at != std::string::npos; at = s.find(".0", at)) {
    if (at + 2 < s.size() && s[at + 2] >= '0' && s[at + 2] <= '9') {
      at += 2;
    } else {
      s.erase(at, 2);
    }
  }
  replaceAll("\\color", "\\;\\color");
  return s;
}

std::vector<std::string> trigonometry(const std::string& a, const std::string& sin,
                                      const std::string& cos, const std::string& tan,
                                      const std::string& quadrant) {
  return {"\\sin(\\alpha) = \\sin(" + a + "^{\\circ})",
          "\\sin(\\alpha) = " + sin,
          "\\cos(\\alpha) = \\cos(" + a + "^{\\circ})",
          "\\cos(\\alpha) = " + cos,
          "\\tan(\\alpha) = \\frac{\\sin(\\alpha^{\\circ})}{\\cos(\\alpha^{\\circ})}",
          "\\tan(\\alpha) = \\frac{\\sin(" + a + "^{\\circ})}{\\cos(" + a + "^{\\circ})}",
          "\\tan(\\alpha) = \\frac{" + sin + "}{" + cos + "}",
          "\\tan(\\alpha) = " + tan,
          "\\sum = 0",
          "\\gamma = " + a + "^{\\circ}",
          "Q = " + quadrant};
}

std::vector<std::string> angleSolution() {
  const std::string conv = "\\frac{2\\pi}{360^{\\circ}}";
  std::vector<std::string> steps = {
      "\\alpha = 45^{\\circ} \\quad b =  ? ",
      conv + " = \\frac{b}{\\alpha}",
      conv + " = \\frac{b}{\\color{#ff3333}{ \\alpha }}\\quad| \\cdot\\alpha",
      "\\color{#009900}{ \\alpha } \\cdot " + conv + " = b",
      "b = \\alpha \\cdot " + conv,
      "b = \\color{#ff3333}{ \\alpha } \\cdot " + conv,
      "b = \\color{#009900}{ 45.0^{\\circ} } \\cdot " + conv,
      "b = 45.0^{\\circ} \\cdot \\color{#ff3333}{ " + conv + " }",
      "b = 45.0^{\\circ} \\cdot \\color{#009900}{ 0.017453292519943295\\frac{1}{^{\\circ}} }",
      "b = \\color{#ff3333}{ 45.0^{\\circ} \\cdot 0.017453292519943295\\frac{1}{^{\\circ}} }",
      "b = \\color{#009900}{ 0.7853981633974483 }",
      "b = \\frac{\\pi}{4}"};
  for (auto& s : trigonometry("45.0", "0.707106781187", "0.707106781187", "1.0", "I"))
    steps.push_back(s);
  for (auto& s : steps) s = displayForm(s);
  return steps;
}

std::vector<std::string> arcSolution() {
  const std::string conv = "\\frac{2\\pi}{360^{\\circ}}";
  const std::string inv = "\\frac{360^{\\circ}}{2\\pi}";
  const std::string bx = "\\frac{3\\pi}{4}";
  std::vector<std::string> steps = {
      "\\alpha =  ? ^{\\circ} \\quad b = " + bx,
      conv + " = \\frac{b}{\\alpha}",
      conv + " = \\frac{b}{\\color{#ff3333}{ \\alpha }}\\quad| \\cdot\\alpha",
      "\\color{#009900}{ \\alpha } \\cdot " + conv + " = b",
      "\\alpha \\cdot \\color{#ff3333}{  " + conv + " } = b\\quad| \\cdot" + inv,
      "\\alpha = b\\cdot\\color{#009900}{ " + inv + " }",
      "\\alpha = \\color{#ff3333}{ b }\\cdot" + inv,
      "\\alpha = \\color{#009900}{ " + bx + " }\\cdot" + inv,
      "\\alpha = " + bx + "\\cdot\\color{#ff3333}{ " + inv + " }",
      "\\alpha = " + bx + " \\cdot \\color{#009900}{ 57.29577951308232^{\\circ} }",
      "\\alpha = \\color{#ff3333}{ " + bx + "\\cdot57.29577951308232^{\\circ} }",
      "\\alpha = \\color{#009900}{ 135.0^{\\circ} }"};
  for (auto& s : trigonometry("135.0", "0.707106781187", "-0.707106781187", "-1.0", "II"))
    steps.push_back(s);
  for (auto& s : steps) s = displayForm(s);
  return steps;
}

std::shared_ptr<const MathFont> font() {
#ifdef UC_MATH_BENCH_QT
  return uc::math::embeddedMathFont();
#else
  static auto f = MathFont::fromFile(UC_MATH_FONT_PATH);
  return f;
#endif
}

void BM_ParseStep(benchmark::State& state) {
  const std::string latex = angleSolution()[9];
  for (auto _ : state) benchmark::DoNotOptimize(uc::math::parse(latex));
}
BENCHMARK(BM_ParseStep);

// One formula laid out (parse, typeset, flatten), no painting; the longest step of a solution.
void BM_LayoutStep(benchmark::State& state) {
  const std::string latex = angleSolution()[9];
  auto f = font();
  for (auto _ : state) benchmark::DoNotOptimize(uc::math::layoutFormula(latex, *f));
}
BENCHMARK(BM_LayoutStep)->Unit(benchmark::kMicrosecond);

void BM_LayoutSolution(benchmark::State& state) {
  const auto steps = state.range(0) == 0 ? angleSolution() : arcSolution();
  auto f = font();
  for (auto _ : state) {
    for (const auto& s : steps) benchmark::DoNotOptimize(uc::math::layoutFormula(s, *f));
  }
  state.counters["formulas"] = static_cast<double>(steps.size());
}
BENCHMARK(BM_LayoutSolution)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

#ifdef UC_MATH_BENCH_QT
// Every formula of the solution laid out and painted at 20 px into its own image, as the
// solution list does it.
void BM_RenderSolution(benchmark::State& state) {
  const auto steps = state.range(0) == 0 ? angleSolution() : arcSolution();
  uc::math::ImageOptions options;
  options.pixelSize = 20;
  for (const auto& s : steps) uc::math::renderImage(s, options);  // warm the glyph caches
  for (auto _ : state) {
    for (const auto& s : steps) benchmark::DoNotOptimize(uc::math::renderImage(s, options));
  }
  state.counters["formulas"] = static_cast<double>(steps.size());
}
BENCHMARK(BM_RenderSolution)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef UC_MATH_BENCH_QT
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
