// The TONNAGE and SPEED steppers. Their product is the engine rating, which
// chooses the engine; the tonnage also chooses the internal structure and the
// weight of each jump jet. Every refused step is silent: the tonnage stays
// within 10 to 100 t, the rating at most 400, and a heavier engine must leave
// TONNAGE REMAINING at 0 or more.

#include "design/ArmourBounds.h"
#include "design/JumpJetWeight.h"
#include "design/KestravDlg.h"
#include "design/ProgramValues.h"

namespace {

const int kMinTonnage = 10;
const int kMaxTonnage = 100;
const int kTonnageStep = 5;
const int kMaxRating = 400;

} // namespace

// 5 t lighter: a lighter engine and structure, the jets reweighed, points
// above the smaller structure's bounds given back, and armour sold by the
// half ton while its factor is above what the structure carries (2 x total
// internal + 15). At 10 t nothing changes.
void CKestravDlg::OnTonnageDecrease() {
    if (m_nTonnage <= kMinTonnage) {
        UpdateData(false);
        return;
    }
    m_nTonnage -= kTonnageStep;
    m_nEngineRating = m_nSpeed * m_nTonnage;
    g_fJumpJetTonnage = static_cast<float>(m_nJumpJets) * JumpJetWeight(m_nTonnage);
    LookUpEngine();
    LookUpInternals();
    KeepArmourWithinBounds(*this);
    // Each ARMOUR Decrease lowers the armour by 0.5 t and recomputes the factor
    // from it, so the factor falls to 0 at worst and the loop ends.
    while (m_nArmourFactor > 2 * m_nTotalInternal + 15)
        OnArmourDecrease();
    RecalculateTonnage();
    UpdateData(false);
}

// 5 t heavier, unless the mech is at 100 t or the rating would reach 400
// (a rating of 400 is reached only through SPEED Increase). TONNAGE REMAINING
// is not tested and the armour is left as it is.
void CKestravDlg::OnTonnageIncrease() {
    if (m_nTonnage >= kMaxTonnage) {
        UpdateData(false);
        return;
    }
    const int tonnage = m_nTonnage + kTonnageStep;
    const int rating = m_nSpeed * tonnage;
    if (rating >= kMaxRating) {
        UpdateData(false);
        return;
    }
    m_nTonnage = tonnage;
    m_nEngineRating = rating;
    g_fJumpJetTonnage = static_cast<float>(m_nJumpJets) * JumpJetWeight(m_nTonnage);
    LookUpEngine();
    LookUpInternals();
    RecalculateTonnage();
    UpdateData(false);
}

// One movement point less, down to 1 (at 1 nothing happens, not even a
// refresh). Jump jets never outnumber the speed, so a jet goes first when
// there are as many as the speed.
void CKestravDlg::OnSpeedDecrease() {
    if (m_nSpeed <= 1) return;
    if (m_nSpeed == m_nJumpJets) OnJumpJetsDecrease();
    --m_nSpeed;
    m_nEngineRating = m_nSpeed * m_nTonnage;
    LookUpEngine();
    RecalculateTonnage();
    UpdateData(false);
}

// One movement point more, while the rating stays at 400 or below and the
// heavier engine leaves TONNAGE REMAINING at 0 or more (exactly 0.0 is
// allowed). Looking up the heavier engine can take placed engine heat sinks
// back into the engine list; a step refused for its weight therefore puts
// the whole design back as it was before the click, so the user's heat sinks
// stay where they were placed.
void CKestravDlg::OnSpeedIncrease() {
    const std::unique_ptr<CUndoState> before = SaveUndoState();
    ++m_nSpeed;
    m_nEngineRating = m_nSpeed * m_nTonnage;
    const bool aboveRatingLimit = m_nEngineRating > kMaxRating;
    if (aboveRatingLimit) {
        --m_nSpeed;
        m_nEngineRating = m_nSpeed * m_nTonnage;
    }
    LookUpEngine();
    RecalculateTonnage();
    if (!aboveRatingLimit && m_fTonnageRemaining < 0.0f) RestoreUndoState(*before);
    UpdateData(false);
}
