// CMechInternals: the five columns of table [Internal].

#include "catalog/MechInternals.h"

#include "catalog/CatalogFolder.h"

CMechInternals::CMechInternals() {
    m_nFields = 5;
    m_nDefaultType = dbOpenDynaset;
}

std::string CMechInternals::GetDefaultDBName() {
    return CatalogFile("Internal.db");
}

std::string CMechInternals::GetDefaultSQL() {
    return "[Internal]";
}

void CMechInternals::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Single(pFX, "[Tonnage]", m_Tonnage);
    DFX_Short(pFX, "[CT]", m_CT);
    DFX_Short(pFX, "[LRT]", m_LRT);
    DFX_Short(pFX, "[LRA]", m_LRA);
    DFX_Short(pFX, "[LRL]", m_LRL);
}
