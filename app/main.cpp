#include "ui/Controls.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "print/FaceMetrics.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("quarimo is a window program and needs a graphical display.\n"
                   "Start it on a desktop, or under a virtual display: xvfb-run -a ./quarimo\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The worksheets' picture face, before anything lists or uses fonts.
    print::registerPictureFace();
    kit::installFontSubstitutions();

    // Qt's own texts (context menus of the input box and the like) in German, like ours.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    form1().showWindow();
    const int result = QApplication::exec();
    unloadAllWindows();
    return result;
}
