// CMechEngines: [Rating], [Tonnage], [EngineName] of table [Engines].

#include "catalog/MechEngines.h"

#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "catalog/CatalogueRanges.h"

CMechEngines::CMechEngines() = default;

std::string CMechEngines::GetDefaultDBName() {
    return CatalogFile(kEnginesCatalog);
}

std::string CMechEngines::GetDefaultSQL() {
    return "[Engines]";
}

void CMechEngines::DoFieldExchange(CDaoFieldExchange* pFX) {
    DFX_Short(pFX, "[Rating]", m_Rating, kEngineRating);
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kEngineTonnage);
    DFX_Text(pFX, "[EngineName]", m_EngineName, kNameLength);
}
