// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: an empty Qt Widgets window of the size given on the
// command line (the start page's, as the benchmark script measured it), else of the start
// page's size at zoom 1.

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    const int width = argc > 2 ? std::atoi(argv[1]) : 0;
    const int height = argc > 2 ? std::atoi(argv[2]) : 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(width > 0 ? width : 606, height > 0 ? height : 473);
    window.show();
    return QApplication::exec();
}
