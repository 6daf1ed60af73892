// The program's own start-up inside a test or benchmark program, as
// app/main.cpp does it: a Qt application given only the program's name, the
// program's icon, and the framework's entry on the host's platform. The
// program is named as if it stood beside the host (bin/kestrav), so that it
// finds its catalogues and help as the program does.
#pragma once

#include <QApplication>

#include <string>

class CPlatform;

class ProgramHost {
  public:
    explicit ProgramHost(char* argv0);
    ProgramHost(const ProgramHost&) = delete;
    ProgramHost& operator=(const ProgramHost&) = delete;

    // The program's path beside this executable.
    static std::string ProgramBeside();
    // Runs the program's application object on platform until it ends; its
    // exit status, or 1 when the program has no application object.
    int Run(CPlatform& platform, const std::string& programPath = ProgramBeside());

  private:
    int m_argc = 1;
    char* m_argv[2];
    QApplication m_application; // after the arguments it keeps
};
