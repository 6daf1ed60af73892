// The application object, the program's entry, and the headless platform.

#include "framework/WinApp.h"

#include <filesystem>

namespace {

// The one application object of the program, set when it is constructed.
CWinApp* g_pApp = nullptr;

CHeadlessPlatform& FallbackPlatform() {
    static CHeadlessPlatform platform;
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

int AfxWinMain(CPlatform& platform, const std::string& executablePath) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_pPlatform = &platform;
    const std::filesystem::path exe(executablePath);
    if (app->m_pszAppName.empty()) app->m_pszAppName = exe.stem().string();
    app->m_pszHelpFilePath = std::filesystem::path(exe).replace_extension(".HLP").string();
    app->InitInstance();
    app->m_pMainWnd = nullptr;
    app->m_pPlatform = nullptr;
    return 0;
}

int CHeadlessPlatform::ShowMessageBox(CDialog*, const std::string& text, const std::string& caption,
                                      unsigned type) {
    boxes.push_back(Box{caption, text, type});
    return IDOK;
}

int CHeadlessPlatform::RunModal(CDialog& dialog) {
    dialog.Create();
    ShownDialog shown{dialog.Template().caption ? dialog.Template().caption : "", {}};
    for (const ControlState& control : dialog.State().controls)
        if (control.kind == ControlKind::Edit) shown.edits.emplace_back(control.id, control.text);
    dialogs.push_back(std::move(shown));
    if (!dialog.IsEnded()) dialog.PressEnter();
    if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
    dialog.Destroy();
    return dialog.GetResult();
}

bool CHeadlessPlatform::WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
    helpRequests.push_back(helpFile + "#" + std::to_string(command) + ":" + std::to_string(data));
    return helpWorks;
}
