// Prints the size in pixels of the design sheet's window on this display's
// fonts, the dialog face and its base units:
// "WIDTH HEIGHT MENUBAR BASE_X BASE_Y FACE" (the height includes the menu
// bar). The real-window test compares the program's window with it.

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"

#include <QApplication>
#include <QFontInfo>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int menuBar = 0;
    const QSize size = DialogWindowSize(MainDialogTemplate(), &MainMenu(), &menuBar);
    const QFont font = DialogFont(MainDialogTemplate());
    const DialogBaseUnits base = DialogBaseUnitsOf(font);
    std::printf("%d %d %d %d %d %s\n", size.width(), size.height(), menuBar, base.x, base.y,
                QFontInfo(font).family().toStdString().c_str());
    return 0;
}
