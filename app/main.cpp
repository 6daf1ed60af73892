// The program's entry: a Qt application and the Qt platform, then the
// framework's own start-up, which runs the design sheet and ends.
//
// The program reads no command line: Qt is given only the program's name.

#include "app/KestravApp.h"
#include "framework/qt/QtPlatform.h"

#include <QApplication>

int main(int, char** argv) {
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    QApplication::setWindowIcon(ApplicationIcon());
    CQtPlatform platform;
    // The program-wide objects (app/ProgramObjects.cpp) exist before main;
    // naming the application object keeps them in the program.
    if (AfxGetApp() != &theApp) return 1;
    return AfxWinMain(platform, QCoreApplication::applicationFilePath().toStdString());
}
