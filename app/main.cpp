#include "app/Controls.h"
#include "app/StartPage.h"
#include "app/Windows.h"

#include <QApplication>
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
    kit::installFontSubstitutions();

    form1().showWindow();
    const int result = QApplication::exec();
    unloadAllWindows();
    return result;
}
