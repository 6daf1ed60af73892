// CMechInternals: the five columns of table [Internal].

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
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kInternalTonnage);
    DFX_Short(pFX, "[CT]", m_CT, kInternalPoints);
    DFX_Short(pFX, "[LRT]", m_LRT, kInternalPoints);
    DFX_Short(pFX, "[LRA]", m_LRA, kInternalPoints);
    DFX_Short(pFX, "[LRL]", m_LRL, kInternalPoints);
}
