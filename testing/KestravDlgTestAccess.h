// KestravDlgTestAccess: the one way the unit tests, the random-action driver
// and the benchmarks reach the sheet's private controls and routines, to set
// up a case or check an invariant that the window does not show. It lives in
// the testing library, which the program never links.
#pragma once

#include "design/KestravDlg.h"

class KestravDlgTestAccess {
  public:
    // ---- Controls ----
    static CListBox& LocationList(CKestravDlg& sheet, Location location) {
        return sheet.LocationList(location);
    }
    static int Capacity(Location location) { return CKestravDlg::Capacity(location); }
    static CListBox& EngineHeatSinks(CKestravDlg& sheet) { return sheet.m_listEngineHeatSinks; }
    static CListBox& Weapons(CKestravDlg& sheet) { return sheet.m_listWeapons; }
    static CButton& TonnageUp(CKestravDlg& sheet) { return sheet.m_btnTonnageUp; }
    static CButton& EndoSteel(CKestravDlg& sheet) { return sheet.m_chkEndoSteel; }
    static CButton& FerroFibrous(CKestravDlg& sheet) { return sheet.m_chkFerroFibrous; }
    static CButton& DoubleHeatSinks(CKestravDlg& sheet) { return sheet.m_chkDoubleHeatSinks; }

    // ---- Routines ----
    static int FreeSlots(CKestravDlg& sheet) { return sheet.FreeSlots(); }
    static void RecalculateTonnage(CKestravDlg& sheet) { sheet.RecalculateTonnage(); }
    static void LookUpInternals(CKestravDlg& sheet) { sheet.LookUpInternals(); }
    static void UpdateArmourPoints(CKestravDlg& sheet) { sheet.UpdateArmourPoints(); }
    static void LookUpEngine(CKestravDlg& sheet) { sheet.LookUpEngine(); }
};
