// The floor for the start-up benchmark: an empty Qt Widgets window of the start page's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(606, 473);
    window.show();
    return QApplication::exec();
}
