// CMechEngines: [Rating], [Tonnage], [EngineName] of table [Engines], and the
// checks of each row.

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
    if (pFX->m_op == CDaoFieldExchange::CollectColumns) m_ratings.Begin();
    DFX_Short(pFX, "[Rating]", m_Rating, kEngineRating);
    const bool checking = CheckingRows(*this, pFX);
    const std::size_t beforeTonnage = pFX->problems.size();
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kEngineTonnage);
    if (checking) CheckTonnageStep(pFX, beforeTonnage, "[Tonnage]", 1, m_Tonnage, kEngineTonnage);
    DFX_Text(pFX, "[EngineName]", m_EngineName, kNameLength);
    if (!checking) return;
    m_ratings.Check(pFX, "[Rating]", 0, m_Rating, Nothing{});
}
