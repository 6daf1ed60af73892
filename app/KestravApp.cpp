// The application's start-up: one modal design sheet, then the end.

#include "app/KestravApp.h"

#include "design/KestravDlg.h"

// No name: the framework takes it from the executable's file name.
CKestravApp::CKestravApp() : CWinApp(nullptr) {}

CKestravApp::~CKestravApp() = default;

bool CKestravApp::InitInstance() {
    CKestravDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal(); // the result, OK or Cancel, is of no consequence
    m_pMainWnd = nullptr;
    return false; // end the program instead of running a message loop
}
