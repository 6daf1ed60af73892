// A design sheet on the headless platform, started and ended as the program does.

#include "testing/HeadlessSheet.h"

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "design/ProgramValues.h"

void ResetProgramWideValues() {
    g_rsEquipment.Close();
    g_rsEngines.Close();
    g_rsInternals.Close();
    RestoreProgramValues(ProgramValues{});
}

HeadlessSheet::HeadlessSheet() {
    ResetProgramWideValues();
    theApp.m_pPlatform = &platform;
    theApp.m_pszAppName = "kestrav";
}

HeadlessSheet::~HeadlessSheet() {
    theApp.m_pMainWnd = nullptr;
    sheet.reset();
    ResetProgramWideValues();
    SetCatalogFolderForTesting("");
    theApp.m_pPlatform = nullptr;
}

void HeadlessSheet::Start(const std::string& folder) {
    SetCatalogFolderForTesting(folder.empty() ? std::string(KESTRAV_CATALOG_DIR) : folder);
    ResetProgramWideValues();
    sheet = std::make_unique<CKestravDlg>();
    theApp.m_pMainWnd = sheet.get();
    sheet->Create();
}
