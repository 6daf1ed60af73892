// CMechEngines: [Rating], [Tonnage], [EngineName] of table [Engines].

#include "catalog/MechEngines.h"

#include "catalog/CatalogFolder.h"

CMechEngines::CMechEngines() {
    m_nFields = 3;
    m_nDefaultType = dbOpenSnapshot;
}

std::string CMechEngines::GetDefaultDBName() {
    return CatalogFile("MechEngines.db");
}

std::string CMechEngines::GetDefaultSQL() {
    return "[Engines]";
}

void CMechEngines::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Short(pFX, "[Rating]", m_Rating);
    DFX_Single(pFX, "[Tonnage]", m_Tonnage);
    DFX_Text(pFX, "[EngineName]", m_EngineName);
}
