#pragma once
// The tools that render a main window to a PNG for the documentation. The data root is copied
// into a temporary folder first (without settings files), so the picture shows a first start
// with the shipped data and nothing of the user's is touched.
#include <QTemporaryDir>

#include "common/ui/messageseam.h"

class QString;
class QWidget;

namespace fb::ui {

class DesignWindow;

// The copy of the data root a window starts in; message boxes are recorded for the life of
// the stage, since a modal box would wait for a click that never comes.
class ScreenshotStage {
public:
    ScreenshotStage();
    // Copies the data root `dataRoot` (as given on the command line) and enters its folder
    // `program`; false, after saying so, when that fails. With MAGNETICS_LANG=en in the
    // environment the window is drawn in English (the translation from that folder). Every
    // window is then bounded by its screen, as in the program.
    bool Prepare(const char* dataRoot, const char* program);
    // Runs the window's start-up, prints its messages to stderr, then shows the window and
    // lets it draw; false when the start-up stopped.
    bool Show(DesignWindow& window);
    // What the window's message boxes said so far.
    MessageRecorder& messages() { return m_messages; }

private:
    QTemporaryDir m_temp;
    MessageRecorder m_messages;
    ScopedMessageSeam m_seam;
};

// Writes the widget as drawn to `output` (an absolute path) and prints its path and size;
// false, naming `shownPath`, when the file cannot be written.
bool SaveScreenshot(QWidget& widget, const QString& output, const char* shownPath);

// Before the application exists: the offscreen platform, on a 1920x1080 screen at 100 % so a
// picture shows the whole form, unless QT_QPA_PLATFORM already names a platform (e.g.
// "offscreen:configfile=<screen>.json" with QT_SCALE_FACTOR, to see a window on another screen).
void UseOffscreenScreen();

// A path given on the command line, made absolute against the current folder.
QString AbsoluteArgument(const char* path);

}  // namespace fb::ui
