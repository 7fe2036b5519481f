// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DisplayServer.h"
#include "app/ProgramEnd.h"
#include "app/QtPlatform.h"
#include "app/SessionBus.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "engine/TextHelpers.h"
#include "print/FaceMetrics.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Display.h"
#include "ui/kit/Form.h"
#include "ui/kit/ZoomStyle.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Accessibility.h"
#include "ui/speech/Reading.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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
    "Aufruf: quarimo [--vorlesen] [--vollbild] | --help | --version\n"
    "\n"
    "Ein Rechentrainer für Kinder im ersten Schuljahr: Zahlenstrahl, Mengen, Ergänzen,\n"
    "Zahlenfolgen, Plus und Minus, dazu kleine Belohnungsspiele.\n"
    "Ohne --help und --version öffnet quarimo sein Fenster; dazu braucht es eine grafische Anzeige.\n"
    "\n"
    "Den gewählten Zahlenraum merkt sich quarimo in der Datei QUARIMO.INI in dem Ordner,\n"
    "in dem es gestartet wird. Aus dem Anwendungsmenü gestartet ist das der Ordner\n"
    "$XDG_DATA_HOME/quarimo, meist ~/.local/share/quarimo.\n"
    "\n"
    "  --vorlesen  mit Vorlesen starten: Meldungen, Aufgaben und die Namen der Bilder\n"
    "              und Knöpfe werden vorgelesen (braucht eine deutsche Stimme,\n"
    "              zum Beispiel aus den Paketen speech-dispatcher und espeak-ng)\n"
    "  --vollbild  im Vollbild starten (F11 wechselt zwischen Fenster und Vollbild)\n"
    "  --help      diese Hilfe zeigen\n"
    "  --version   die Version zeigen\n";

// How the window is to start, from the command line.
struct StartOptions
{
    bool readAloud = false;
    bool fullScreen = false;
};

// Answers --help and --version before anything needs a display. Returns the exit status,
// or -1 when the program starts, with the start options found.
int answerArguments(int argc, char *argv[], StartOptions &options)
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            help = true;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            version = true;
        } else if (std::strcmp(argv[i], "--vorlesen") == 0) {
            options.readAloud = true;
        } else if (std::strcmp(argv[i], "--vollbild") == 0) {
            options.fullScreen = true;
        } else {
            std::fprintf(stderr,
                         "quarimo: unbekanntes Argument „%s“\n"
                         "Welche es gibt, zeigt: quarimo --help\n",
                         argv[i]);
            return 2;
        }
    }
    if (help)
        std::printf("quarimo %s\n\n%s", QUARIMO_VERSION, usage);
    else if (version)
        std::printf("quarimo %s\n", QUARIMO_VERSION);
    else
        return -1;
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

} // namespace

int main(int argc, char *argv[])
{
    // A reader that has gone (speech service, session manager, display server) must not end us.
    std::signal(SIGPIPE, SIG_IGN);
    StartOptions options;
    if (const int status = answerArguments(argc, argv, options); status >= 0)
        return status;
    if (!DisplayServer::named())
        DisplayServer::endUnnamed();
    leaveSilentSessionBusAlone();
#ifdef QUARIMO_FONTCONFIG
    // Reading the system's font configuration is the longest single step before the first frame
    // and needs no display: a second core does it while the application connects to one.
    std::thread fontConfiguration([] { FcInit(); });
#endif
    DisplayServer displayServer(argc, argv);
    // Until the display server has answered, a signal ends the program at once.
    ProgramEnd::catchSignals(displayServer.notAnswering());
    QApplication app(displayServer.argumentCount(), displayServer.arguments());
    ProgramEnd::holdSignals();
    displayServer.connected();
#ifdef QUARIMO_FONTCONFIG
    fontConfiguration.join(); // before anything asks for a font
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    // The zoom every window is drawn at, and the display that fits the windows to the screens;
    // both outlive the windows. The style and the tooltips grow with the zoom: installed here,
    // once.
    kit::Zoom zoom;
    kit::Display display(zoom);
    kit::installZoomStyle(zoom);
    // The thread that draws pictures ahead on the second core: it ends with main, after the
    // windows and before the application, whose fonts its drawings may use.
    kit::Drawer drawer;
    kit::installAccessibleControls();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    // X11 desktops match a window to its menu entry by the class in WM_CLASS, which Qt takes from
    // the application name.
    QCoreApplication::setApplicationName(QString::fromLatin1(desktopId));
    // The faces for text first: without one the picture face must not come in at all. Then the
    // worksheets' picture face, before any window lists or uses fonts.
    const bool textFace = kit::installFontSubstitutions(worksheets::pictureFaceName(), &drawer);
    // The faces sheets are measured and drawn in: gone with main, before the application.
    Faces faces;
    faces.setTextFaceMissing(!textFace);
    faces.registerPictureFace();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // The start page takes about three quarters of the screen's height; every window follows.
    // It follows the screen when that changes (a projector, xrandr).
    display.fitStartZoomTo(StartPage::sizeTwips);
    // On a classroom board every window fills the screen from the start; F11 gives the windows back.
    if (options.fullScreen)
        display.setFullScreen(true);
    // How the program is put together: the machine's platform (message boxes, clock, file
    // dialogs, voice, printer, settings writer), the values every window shares (numberRange,
    // taskKind, expectedAnswer, rewardRounds), the one random generator, and the registry that
    // makes every window on first use and hands it these and the way back to the start page.
    QtPlatform platform(DisplayServer::voiceFor(QGuiApplication::platformName()), faces, &display);
    SharedValues shared;
    Random random;
    // Reading aloud is on before the first window, so that the first box is said too; the speech
    // service starts with the greeting, while the start page is built.
    if (options.readAloud)
        platform.reading().startWithGreeting();
    // From the first box on (the start page may open one while it is made), a logout, the session
    // manager and the display's loss end the program keeping the range.
    ProgramEnd end(platform, shared);
    end.stopAtLoss(drawer);
    Windows windows(platform, shared, random, zoom, drawer);
    // Searching the icon theme takes about as long as building the start page; neither the icon
    // nor Qt's own texts are part of the page's first frame.
    QTranslator qtGerman;
    new AfterFirstFrame(&windows.form1(), [&qtGerman] {
        // Found once the package is installed; from the build folder the window keeps the plain frame.
        QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(desktopId)));
        // Qt's own texts (context menus of the input box, the login's buttons) in German, like
        // ours. None is on the first frame, and our own message boxes carry their own texts.
        if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtGerman);
    });
    windows.form1().showWindow();
    if (!textFace) {
        // The box itself may be unreadable then: the words go to the terminal too.
        const QString warning = QStringLiteral("Es wurde keine Schrift für Texte gefunden.") + captions::CR +
                                QStringLiteral("Die Beschriftungen lassen sich so nicht lesen. Bitte eine Schrift "
                                               "installieren, zum Beispiel das Paket „fonts-dejavu-core“.") +
                                captions::CR;
        std::fputs((QStringLiteral("quarimo: ") + QString(warning).replace(u'\r', u'\n')).toLocal8Bit().constData(),
                   stderr);
        platform.dialogs().message(warning, QStringLiteral("Q U A R I M O"));
    }
    // A signal during a box before this point has ended every loop there was; the application's
    // own loop would not hear of it.
    const int result = end.begun() ? 0 : QApplication::exec();
    windows.unloadAll();
    return result;
}
