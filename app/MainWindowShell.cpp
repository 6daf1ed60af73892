// The design sheet as a window: system menu, painting while minimised, the
// menu commands, the ways of ending, and the Equipment Details box.

#include "app/AboutDlg.h"
#include "app/EquipmentDetailsDlg.h"
#include "design/KestravDlg.h"
#include "design/ProgramValues.h"
#include "framework/WinApp.h"
#include "res/resource.h"

void CKestravDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id);
}

// While minimised, the icon is drawn centred in the client area.
void CKestravDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPlatform& platform = AfxGetPlatform();
    int iconCx = 0, iconCy = 0, clientCx = 0, clientCy = 0;
    platform.GetIconSize(iconCx, iconCy);
    platform.GetClientSize(*this, clientCx, clientCy);
    const CPoint at = CentredIconOrigin(clientCx, clientCy, iconCx, iconCy);
    platform.DrawIcon(*this, at.x, at.y, m_hIcon);
}

void CKestravDlg::OnDestroy() {
    if (CWinApp* app = AfxGetApp()) app->WinHelp(0, HELP_QUIT);
    CDialog::OnDestroy();
}

HICON CKestravDlg::OnQueryDragIcon() {
    return m_hIcon;
}

// New, Open, Save, Save As, Print, the mech types and technology levels: nothing.
void CKestravDlg::OnMenuPlaceholder() {}

// File, Exit: the OK path's read-back, then the catalogues closed and the end.
void CKestravDlg::OnExit() {
    // A read-back that refuses a value (or runs out of memory) keeps the
    // window, and its catalogues open; after it nothing can fail.
    if (!UpdateData(true)) return;
    g_rsEquipment.Close();
    g_rsInternals.Close();
    g_rsEngines.Close();
    EndDialog(IDOK);
}

void CKestravDlg::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

// A double-click on the weapons list shows the selected component's catalogue
// data and discards any component waiting to be placed. With nothing selected
// there is nothing to show: no box, nothing pending.
void CKestravDlg::OnDblclkWeapons() {
    CEquipmentDetailsDlg details(this);
    g_strPendingComponent.clear();
    const int selected = m_listWeapons.GetCurSel();
    if (selected == LB_ERR) return;
    g_strPendingComponent = m_listWeapons.GetText(selected);
    SeekEquipment(g_strPendingComponent);
    details.m_fTonnage = g_rsEquipment.m_Tonnage;
    details.m_fCriticals = g_rsEquipment.m_Criticals;
    details.m_nLong = g_rsEquipment.m_Long;
    details.m_nMedium = g_rsEquipment.m_Medium;
    details.m_nMinimum = g_rsEquipment.m_Minimum;
    details.m_strName = g_rsEquipment.m_Item;
    details.m_nShort = g_rsEquipment.m_Short;
    details.m_nHeat = g_rsEquipment.m_Heat;
    details.m_nDamage = g_rsEquipment.m_Damage;
    details.DoModal();
    g_strPendingComponent.clear();
    ClearPendingValues();
}
