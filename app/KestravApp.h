// CKestravApp: the application object. InitInstance runs the design sheet
// modally and then ends the program.
#pragma once

#include "framework/WinApp.h"

class CKestravApp : public CWinApp {
  public:
    CKestravApp();
    ~CKestravApp() override;
    bool InitInstance() override;
};

extern CKestravApp theApp;
