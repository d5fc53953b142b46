// mathrender: one formula, or one per input line, to PNG files.
#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <iostream>
#include <string>

#include "ui/math/parser.h"
#include "ui/math/qt/qt_painter.h"

namespace {

bool parseColor(const QString& text, uc::math::Argb& out) {
  QColor c = QColor::fromString(text);
  if (!c.isValid()) return false;
  out = c.rgba();
  return true;
}

void reportErrors(const std::string& latex, const QString& where) {
  for (const auto& e : uc::math::parse(latex).errors) {
    std::fprintf(stderr, "%s: LaTeX problem %d at byte %zu\n", qPrintable(where),
                 static_cast<int>(e.kind), e.position);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // A renderer for scripts and CI: no display needed unless the caller asks for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("mathrender"));

  QCommandLineParser cli;
  cli.setApplicationDescription(QStringLiteral("Renders LaTeX math formulas to PNG images."));
  cli.addHelpOption();
  QCommandLineOption latexOpt(QStringLiteral("latex"), QStringLiteral("Formula to render."),
                              QStringLiteral("TEXT"));
  QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Output PNG file."),
                            QStringLiteral("FILE"));
  QCommandLineOption stdinOpt(QStringLiteral("stdin"),
                              QStringLiteral("Read one formula per line from standard input."));
  QCommandLineOption outDirOpt(QStringLiteral("out-dir"),
                               QStringLiteral("Directory for the PNGs of --stdin (001.png, ...)."),
                               QStringLiteral("DIR"));
  QCommandLineOption sizeOpt(QStringLiteral("size"), QStringLiteral("Font size in pixels (20)."),
                             QStringLiteral("PX"), QStringLiteral("20"));
  QCommandLineOption colorOpt(QStringLiteral("color"), QStringLiteral("Text colour (#000000)."),
                              QStringLiteral("#rrggbb"), QStringLiteral("#000000"));
  QCommandLineOption bgOpt(QStringLiteral("background"),
                           QStringLiteral("Background colour (transparent)."),
                           QStringLiteral("#rrggbb"));
  QCommandLineOption dprOpt(QStringLiteral("scale"),
                            QStringLiteral("Device pixel ratio, e.g. 2 for high-DPI (1)."),
                            QStringLiteral("RATIO"), QStringLiteral("1"));
  QCommandLineOption textOpt(QStringLiteral("text-style"),
                             QStringLiteral("Typeset in text style instead of display style."));
  cli.addOptions(
      {latexOpt, outOpt, stdinOpt, outDirOpt, sizeOpt, colorOpt, bgOpt, dprOpt, textOpt});
  cli.process(app);

  uc::math::ImageOptions options;
  bool ok = false;
  options.pixelSize = cli.value(sizeOpt).toFloat(&ok);
  if (!ok || options.pixelSize <= 0 || options.pixelSize > 2000) {
    std::cerr << "mathrender: --size must be a positive number of pixels\n";
    return 2;
  }
  options.devicePixelRatio = cli.value(dprOpt).toDouble(&ok);
  if (!ok || options.devicePixelRatio <= 0 || options.devicePixelRatio > 16) {
    std::cerr << "mathrender: --scale must be between 0 and 16\n";
    return 2;
  }
  if (!parseColor(cli.value(colorOpt), options.color) ||
      (cli.isSet(bgOpt) && !parseColor(cli.value(bgOpt), options.background))) {
    std::cerr << "mathrender: colours are written #rrggbb\n";
    return 2;
  }
  if (cli.isSet(textOpt)) options.style = uc::math::MathStyle::Text;

  if (cli.isSet(stdinOpt)) {
    if (!cli.isSet(outDirOpt)) {
      std::cerr << "mathrender: --stdin needs --out-dir\n";
      return 2;
    }
    QDir dir(cli.value(outDirOpt));
    if (!dir.mkpath(QStringLiteral("."))) {
      std::cerr << "mathrender: cannot create " << qPrintable(dir.path()) << "\n";
      return 1;
    }
    std::string line;
    int index = 0;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      ++index;
      QString file = dir.filePath(QStringLiteral("%1.png").arg(index, 3, 10, QLatin1Char('0')));
      reportErrors(line, file);
      if (!uc::math::renderImage(line, options).save(file)) {
        std::cerr << "mathrender: cannot write " << qPrintable(file) << "\n";
        return 1;
      }
    }
    return 0;
  }

  if (!cli.isSet(latexOpt) || !cli.isSet(outOpt)) {
    std::cerr << "mathrender: use --latex TEXT --out FILE.png, or --stdin --out-dir DIR\n";
    return 2;
  }
  std::string latex = cli.value(latexOpt).toStdString();
  reportErrors(latex, cli.value(outOpt));
  if (!uc::math::renderImage(latex, options).save(cli.value(outOpt))) {
    std::cerr << "mathrender: cannot write " << qPrintable(cli.value(outOpt)) << "\n";
    return 1;
  }
  return 0;
}
