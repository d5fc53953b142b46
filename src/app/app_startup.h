#pragma once

#include <QString>

class QApplication;
class QQmlApplicationEngine;
class QQuickWindow;

namespace uc::app {

// The main window's file among the resources.
inline constexpr char kMainQmlUrl[] = "qrc:/qt/qml/UnitCircle/App/Main.qml";

// What "--help" prints: the options and environment variables the app reads.
const char* helpText();

// Whether the command line asks for the help ("--help" or "-h"), read before any Qt
// application exists: a display is not needed to print it.
bool helpRequested(int argc, char* argv[]);

// Names, style and paths that must be set before the QApplication exists.
void prepareApplication();

// Start-up after the QApplication exists and before the window: translations for the
// system's language, the calculation store's first start, and the wiring of the validator's
// messages to the window.
void configureApplication(QApplication& app);

// The first launch's screens: the introduction over the whole window until it has been
// finished once, and the privacy notice above it until it has been accepted.
void presentFirstRunScreens();

// Composes the window (drawer, toolbar, the input and result pages) and shows it. Returns it,
// or nullptr when it could not be built.
QQuickWindow* loadMainWindow(QQmlApplicationEngine& engine);

// The whole start of the app, as main() runs it; the window is shown when this returns 0.
int startApplication(QApplication& app, QQmlApplicationEngine& engine);

}  // namespace uc::app
