// SheetRules: how the rule files' own functions reach the sheet.
//
// The sheet's controls and routines are private: its handlers (members) use
// them directly, but the procedures the handlers share - placing, removing
// and moving components, the fourteen-slot options, the armour steps - are
// free functions of the rule files, beside the handlers they serve. They
// reach the few parts of the sheet they need through this one friend, which
// names those parts and nothing else.
#pragma once

#include "design/KestravDlg.h"

#include <string>

struct SheetRules {
    // ---- Controls ----
    static CListBox& LocationList(CKestravDlg& sheet, Location location) {
        return sheet.LocationList(location);
    }
    static int Capacity(Location location) { return CKestravDlg::Capacity(location); }
    static CListBox& EngineHeatSinks(CKestravDlg& sheet) { return sheet.m_listEngineHeatSinks; }
    static bool DoubleHeatSinksChecked(const CKestravDlg& sheet) {
        return sheet.m_chkDoubleHeatSinks.GetCheck() == BST_CHECKED;
    }
    static bool BalanceArmourChecked(const CKestravDlg& sheet) {
        return sheet.m_btnBalanceArmour.GetCheck() == BST_CHECKED;
    }
    // False while a move holds the design controls locked.
    static bool DesignControlsEnabled(const CKestravDlg& sheet) {
        return sheet.m_btnTonnageUp.IsWindowEnabled();
    }

    // ---- Routines ----
    static void EnableDesignControls(CKestravDlg& sheet) { sheet.EnableDesignControls(); }
    static void RecalculateTonnage(CKestravDlg& sheet) { sheet.RecalculateTonnage(); }
    static void LookUpInternals(CKestravDlg& sheet) { sheet.LookUpInternals(); }
    static void UpdateArmourPoints(CKestravDlg& sheet) { sheet.UpdateArmourPoints(); }
    static int FreeSlots(CKestravDlg& sheet) { return sheet.FreeSlots(); }
    static bool AppendByPlacementOrder(CKestravDlg& sheet, const std::string& entry) {
        return sheet.AppendByPlacementOrder(entry);
    }
};
