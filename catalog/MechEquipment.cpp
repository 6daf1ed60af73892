// MechEquipment: the nine columns of table [Equipment].

#include "catalog/MechEquipment.h"

#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "catalog/CatalogueRanges.h"

MechEquipment::MechEquipment() = default;

std::string MechEquipment::GetDefaultDBName() {
    return CatalogFile(kEquipmentCatalog);
}

std::string MechEquipment::GetDefaultSQL() {
    return "[Equipment]";
}

void MechEquipment::DoFieldExchange(CDaoFieldExchange* pFX) {
    DFX_Text(pFX, "[Item]", m_Item, kNameLength);
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kEquipmentTonnage);
    DFX_Single(pFX, "[Criticals]", m_Criticals, kEquipmentCriticals);
    DFX_Short(pFX, "[Damage]", m_Damage);
    DFX_Short(pFX, "[Heat]", m_Heat);
    DFX_Short(pFX, "[Long]", m_Long);
    DFX_Short(pFX, "[Medium]", m_Medium);
    DFX_Short(pFX, "[Minimum]", m_Minimum);
    DFX_Short(pFX, "[Short]", m_Short);
}
