// The derived values of the sheet: TONNAGE REMAINING, the internal structure
// for the current tonnage, and the armour points the armour tonnage buys.
// None of these routines checks or reports anything; their callers refresh.

#include "catalog/Search.h"
#include "design/Arithmetic.h"
#include "design/KestravDlg.h"
#include "design/ProgramValues.h"

// Engine rating, then TONNAGE REMAINING: the tonnage less every weight, in
// order, unclamped.
void CKestravDlg::RecalculateTonnage() {
    m_nEngineRating = m_nSpeed * m_nTonnage;
    double remaining = m_nTonnage;
    remaining -= m_fEngineTonnage;
    remaining -= m_nGyroTonnage;
    remaining -= m_nCockpitTonnage;
    remaining -= m_fInternalTonnage;
    remaining -= m_fArmour;
    remaining -= g_fJumpJetTonnage;
    remaining -= g_fEquipmentTonnage;
    m_fTonnageRemaining = static_cast<float>(remaining);
}

// The internal structure of the first catalogue row for this tonnage; Endo
// Steel halves its weight by the half-ton rule but not its points.
void CKestravDlg::LookUpInternals() {
    const int tonnage = m_nTonnage;
    SeekFirst(
        g_rsInternals,
        [tonnage](const CMechInternals& rs) {
            return static_cast<double>(rs.m_Tonnage) * 10.0 == static_cast<double>(tonnage);
        },
        "a " + std::to_string(tonnage) + "-ton mech");
    TakeInternalRecord();
    if (m_chkEndoSteel.GetCheck() == BST_CHECKED)
        m_fInternalTonnage = HalveByHalfTonRule(m_fInternalTonnage);
}

// The structure of the Internal record the catalogue stands on, and the
// total internal: C/TORSO, twice each pair of arms, legs and side torsos, and
// the head's 3.
void CKestravDlg::TakeInternalRecord() {
    m_fInternalTonnage = g_rsInternals.m_Tonnage;
    m_nInternalTorso = g_rsInternals.m_CT;
    m_nInternalLegs = g_rsInternals.m_LRL;
    m_nInternalArms = g_rsInternals.m_LRA;
    m_nInternalSideTorso = g_rsInternals.m_LRT;
    m_nTotalInternal =
        m_nInternalTorso + 2 * (m_nInternalArms + m_nInternalLegs + m_nInternalSideTorso) + 3;
}

// EXTERNAL ARMOUR FACTOR and POINTS REMAINING: 16 points per ton, or 17.92
// with Ferro Fibrous, whose factor is capped at 2 x total internal + 13 by
// lowering the armour tonnage (never the allocated points).
void CKestravDlg::UpdateArmourPoints() {
    const int allocated = m_nArmourHead + m_nArmourCTFront + m_nArmourCTRear + m_nArmourLTFront +
                          m_nArmourLTRear + m_nArmourRTFront + m_nArmourRTRear + m_nArmourLA +
                          m_nArmourRA + m_nArmourLL + m_nArmourRL;
    if (m_chkFerroFibrous.GetCheck() != BST_CHECKED) {
        m_nArmourPointsRemaining = WholePart(static_cast<double>(m_fArmour) * 16 - allocated);
        m_nArmourFactor = WholePart(static_cast<double>(m_fArmour) * 16);
    } else {
        float armour = m_fArmour;
        auto apply = [&] {
            const double factor = 0.49 + static_cast<double>(armour) * 16 * 1.12;
            m_nArmourPointsRemaining = WholePart(factor - allocated);
            m_nArmourFactor = WholePart(factor);
        };
        apply();
        const int cap = 2 * m_nTotalInternal + 13;
        while (m_nArmourFactor > cap) {
            armour -= 0.5f;
            apply();
        }
        m_fArmour = armour;
    }
    UpdateData(false);
    RecalculateTonnage();
}
