// The program's entry: its command line, then a Qt application and the Qt
// platform, then the framework's own start-up, which runs the design sheet
// and ends.
//
// The command line is read before Qt starts, so --help and --version print
// and end without a display. Qt is given only the program's name: its own
// options are not the program's.

#include "app/KestravApp.h"
#include "framework/qt/QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char kUsage[] = "Usage: kestrav [--help | --version]\n"
                                "Opens the design sheet of one walking combat vehicle.\n"
                                "\n"
                                "  --help     print this help and exit\n"
                                "  --version  print the version and exit\n";

// What the command line asks: -1 to start the window, otherwise the status to
// end with once it has printed what was asked.
int ReadCommandLine(int argc, char** argv) {
    if (argc <= 1) return -1;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kestrav %s\n", KESTRAV_VERSION);
        return 0;
    }
    if (argc == 2)
        std::fprintf(stderr, "kestrav: unknown option '%s'\n", argv[1]);
    else
        std::fputs("kestrav: one option at most\n", stderr);
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (const int status = ReadCommandLine(argc, argv); status >= 0) return status;
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
