// The table of the construction options: one row each, read by the handlers,
// the data exchange, the message map, the move lock and the refusal to
// remove an option's entries by hand. A new option is a row here, its check
// box (resources and a member of the sheet), its handler and its effect.
#pragma once

#include "design/KestravDlg.h"
#include "design/Names.h"
#include "res/resource.h"

#include <array>
#include <string>

struct ConstructionOption {
    CButton CKestravDlg::*box;
    const char* member; // the box's name, as the binding pass records it
    int controlId;
    void (CKestravDlg::*handler)();
    const char* filler;             // the entry of a fourteen-slot option; null for the others
    void (*rederive)(CKestravDlg&); // a fourteen-slot option: its values, then the refresh
};

// Endo Steel: the structure's weight, halved while the box is checked.
void RederiveInternals(CKestravDlg& dlg);
// Ferro Fibrous: the armour factor at the rate of the box; the points already
// allocated stay where they are.
void RederiveArmourPoints(CKestravDlg& dlg);

// The table is a member of a friend of the sheet, since it names the boxes.
struct ConstructionOptions {
    using D = CKestravDlg;
#define KESTRAV_BOX(member) &D::member, #member
    static constexpr std::array<ConstructionOption, 4> kTable{{
        {KESTRAV_BOX(m_chkXLEngine), IDC_XL_ENGINE, &D::OnXLEngine, nullptr, nullptr},
        {KESTRAV_BOX(m_chkFerroFibrous), IDC_FERRO_FIBROUS, &D::OnFerroFibrous, kFerroFibrous,
         RederiveArmourPoints},
        {KESTRAV_BOX(m_chkEndoSteel), IDC_ENDO_STEEL, &D::OnEndoSteel, kEndoSteel,
         RederiveInternals},
        {KESTRAV_BOX(m_chkDoubleHeatSinks), IDC_DOUBLE_HEATSINKS, &D::OnDoubleHeatSinks, nullptr,
         nullptr},
    }};
#undef KESTRAV_BOX
};

// An entry an option puts in, which only unchecking its box takes out.
inline bool IsOptionFiller(const std::string& name) {
    for (const ConstructionOption& option : ConstructionOptions::kTable)
        if (option.filler && name == option.filler) return true;
    return false;
}

// Entries put in by the jump-jet and option rules: one slot each, no catalogue record.
inline bool IsFillerEntry(const std::string& name) {
    return name == kJumpJet || IsOptionFiller(name);
}
