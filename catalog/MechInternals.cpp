// CMechInternals: the five columns of table [Internal], and the checks of each row.

#include "catalog/MechInternals.h"

#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "catalog/CatalogueRanges.h"

CMechInternals::CMechInternals() = default;

std::string CMechInternals::GetDefaultDBName() {
    return CatalogFile(kInternalCatalog);
}

std::string CMechInternals::GetDefaultSQL() {
    return "[Internal]";
}

void CMechInternals::DoFieldExchange(CDaoFieldExchange* pFX) {
    if (pFX->m_op == CDaoFieldExchange::CollectColumns) m_tonnages.Begin();
    const bool checking = CheckingRows(*this, pFX);
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kInternalTonnage);
    if (checking) CheckTonnageStep(pFX, 0, "[Tonnage]", 0, m_Tonnage, kInternalTonnage);
    DFX_Short(pFX, "[CT]", m_CT, kInternalPoints);
    DFX_Short(pFX, "[LRT]", m_LRT, kInternalPoints);
    DFX_Short(pFX, "[LRA]", m_LRA, kInternalPoints);
    DFX_Short(pFX, "[LRL]", m_LRL, kInternalPoints);
    if (!checking) return;
    m_tonnages.Check(pFX, "[Tonnage]", 0, m_Tonnage, Nothing{});
}
