// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"
#include "ui/DrawingCache.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "print/FaceMetrics.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <functional>

#ifdef QUARIMO_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace {

// Installed as a menu entry the program shares this name with its desktop entry and icon,
// so the desktop can match the running window to them.
const char *const desktopId = "io.github.quarimo.Quarimo";

const char *const usage =
    "Aufruf: quarimo [--help | --version]\n"
    "\n"
    "Ein Rechentrainer für Kinder im ersten Schuljahr: Zahlenstrahl, Mengen, Ergänzen,\n"
    "Zahlenfolgen, Plus und Minus, dazu kleine Belohnungsspiele.\n"
    "Ohne Argumente öffnet quarimo sein Fenster; dazu braucht es eine grafische Anzeige.\n"
    "\n"
    "Den gewählten Zahlenraum merkt sich quarimo in der Datei QUARIMO.INI in dem Ordner,\n"
    "in dem es gestartet wird. Aus dem Anwendungsmenü gestartet ist das der Ordner\n"
    "$XDG_DATA_HOME/quarimo, meist ~/.local/share/quarimo.\n"
    "\n"
    "  --help      diese Hilfe zeigen\n"
    "  --version   die Version zeigen\n";

// Answers --help and --version before anything needs a display. Returns the exit status,
// or -1 when there are no arguments and the program starts as usual.
int answerArguments(int argc, char *argv[])
{
    if (argc < 2)
        return -1;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            help = true;
        } else if (std::strcmp(argv[i], "--version") != 0) {
            std::fprintf(stderr,
                         "quarimo: unbekanntes Argument „%s“\n"
                         "Welche es gibt, zeigt: quarimo --help\n",
                         argv[i]);
            return 2;
        }
    }
    if (help)
        std::printf("quarimo %s\n\n%s", QUARIMO_VERSION, usage);
    else
        std::printf("quarimo %s\n", QUARIMO_VERSION);
    return 0;
}

// Runs work once a window has painted its first frame: what that frame does not show need not
// delay it.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWidget *window, std::function<void()> work) : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs when the painted frame has gone to the screen.
            QTimer::singleShot(0, parent(), std::move(work_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (const int status = answerArguments(argc, argv); status >= 0)
        return status;
    if (!hasDisplay()) {
        std::fputs("quarimo is a window program and needs a graphical display.\n"
                   "Start it on a desktop, or under a virtual display: xvfb-run -a ./quarimo\n",
                   stderr);
        return 2;
    }
#ifdef QUARIMO_FONTCONFIG
    // Reading the system's font configuration is the longest single step before the first frame
    // and needs no display: a second core does it while the application connects to one.
    std::thread fontConfiguration([] { FcInit(); });
#endif
    QApplication app(argc, argv);
#ifdef QUARIMO_FONTCONFIG
    fontConfiguration.join(); // before anything asks for a font
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    // X11 desktops match a window to its menu entry by the class in WM_CLASS, which Qt takes from
    // the application name.
    QCoreApplication::setApplicationName(QString::fromLatin1(desktopId));
    // The worksheets' picture face, before anything lists or uses fonts.
    print::registerPictureFace();
    kit::installFontSubstitutions();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Pictures drawn at an earlier start are read back instead of drawn again.
    if (const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation); !cache.isEmpty())
        kit::setDrawingCacheFolder(cache + QStringLiteral("/quarimo/drawings"));

    // The start page takes about three quarters of the screen's height; every window follows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        twips::setStartZoom(twips::zoomToFit(StartPage::sizeTwips, screen->availableGeometry().size()));
    // Searching the icon theme takes about as long as building the start page; neither the icon
    // nor Qt's own texts are part of the page's first frame.
    QTranslator qtGerman;
    new AfterFirstFrame(&form1(), [&qtGerman] {
        // Found once the package is installed; from the build folder the window keeps the plain frame.
        QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(desktopId)));
        // Qt's own texts (context menus of the input box, the login's buttons) in German, like
        // ours. None is on the first frame, and our own message boxes carry their own texts.
        if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtGerman);
    });
    form1().showWindow();
    const int result = QApplication::exec();
    unloadAllWindows();
    return result;
}
