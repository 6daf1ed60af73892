// The application object and the program's entry.

#include "framework/WinApp.h"

#include <exception>
#include <filesystem>
#include <new>

namespace {

// The one application object of the program, set when it is constructed.
CWinApp* g_pApp = nullptr;

// The platform before the program's entry gives one, and after it ends: no
// window system, so no box is shown, no dialog runs and no help opens.
class CNoPlatform final : public CPlatform {
  public:
    int ShowMessageBox(CDialog*, const std::string&, const std::string&, unsigned) override {
        return IDOK;
    }
    int RunModal(CDialog&) override { return -1; }
    bool WinHelp(const std::string&, unsigned, unsigned long) override { return false; }
};

CPlatform& FallbackPlatform() {
    static CNoPlatform platform;
    return platform;
}

const MessageMapEntry kAppEntries[] = {
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp),
};

} // namespace

CWinApp::CWinApp(const char* appName) : m_pPrevious(g_pApp) {
    if (appName) m_pszAppName = appName;
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = m_pPrevious;
}

bool CWinApp::InitInstance() {
    return true;
}

const MessageMap* CWinApp::GetMessageMap() const {
    static const MessageMap map{CCmdTarget::GetMessageMap(), kAppEntries};
    return &map;
}

void CWinApp::OnHelp() {
    // The main window answers the help request with its own context.
    if (!m_pMainWnd) return;
    WinHelp(m_pMainWnd->GetHelpContext(), HELP_CONTEXT);
}

void CWinApp::WinHelp(unsigned long data, unsigned command) {
    if (!AfxGetPlatform().WinHelp(m_pszHelpFilePath, command, data) && command != HELP_QUIT)
        AfxMessageBox("Failed to launch help.");
}

void CWinApp::ShowHelpSection(const std::string& section) {
    if (!AfxGetPlatform().ShowHelpSection(m_pszHelpFilePath, section))
        AfxMessageBox("Failed to launch help.");
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CPlatform& AfxGetPlatform() {
    if (g_pApp && g_pApp->m_pPlatform) return *g_pApp->m_pPlatform;
    return FallbackPlatform();
}

int AfxMessageBox(const std::string& text, unsigned type) {
    CWinApp* app = AfxGetApp();
    CDialog* owner = app ? app->m_pMainWnd : nullptr;
    return AfxGetPlatform().ShowMessageBox(owner, text, app ? app->m_pszAppName : "", type);
}

bool AfxMessageBoxNoThrow(const char* text, unsigned type) noexcept {
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            AfxMessageBox(text, type);
            return true;
        } catch (const std::bad_alloc&) {
        } catch (...) {
            return false;
        }
    }
    return false;
}

int AfxWinMain(CPlatform& platform, const std::string& executablePath) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_pPlatform = &platform;
    int status = 0;
    try {
        const std::filesystem::path exe(executablePath);
        if (app->m_pszAppName.empty()) app->m_pszAppName = exe.stem().string();
        app->m_pszProgramPath = executablePath;
        app->m_pszHelpFilePath = std::filesystem::path(exe).replace_extension(".HLP").string();
        app->InitInstance();
    } catch (const std::bad_alloc&) {
        AfxMessageBoxNoThrow("There is not enough memory to start.", MB_ICONSTOP);
        status = 1;
    } catch (const std::exception&) {
        AfxMessageBoxNoThrow("Internal application error.", MB_ICONSTOP);
        status = 1;
    }
    app->m_pMainWnd = nullptr;
    app->m_pPlatform = nullptr;
    return status;
}
