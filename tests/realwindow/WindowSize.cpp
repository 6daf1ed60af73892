// Prints the size in pixels of the design sheet's window on this display's
// fonts: "WIDTH HEIGHT MENUBAR" (the height includes the menu bar). The
// real-window test compares the program's window with it.

#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int menuBar = 0;
    const QSize size = DialogWindowSize(MainDialogTemplate(), &MainMenu(), &menuBar);
    std::printf("%d %d %d\n", size.width(), size.height(), menuBar);
    return 0;
}
