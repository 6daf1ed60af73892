// The program's start-up hosted by a test or benchmark program.

#include "testing/ProgramHost.h"

#include "app/KestravApp.h"
#include "framework/qt/QtPlatform.h"

ProgramHost::ProgramHost(char* argv0) : m_argv{argv0, nullptr}, m_application(m_argc, m_argv) {
    QApplication::setWindowIcon(ApplicationIcon());
}

std::string ProgramHost::ProgramBeside() {
    return (QCoreApplication::applicationDirPath() + "/kestrav").toStdString();
}

int ProgramHost::Run(CPlatform& platform, const std::string& programPath) {
    // The program-wide objects (app/ProgramObjects.cpp) exist before main.
    if (AfxGetApp() != &theApp) return 1;
    return AfxWinMain(platform, programPath);
}
