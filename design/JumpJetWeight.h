// The weight of one jump jet, by the mech's tonnage class.
//
// Light and medium mechs (up to 55 t) carry 0.5 t jets, heavy ones (60 to
// 85 t) 1.0 t and assault ones (90 t up) 1.5 t. Adding a jet needs as much
// TONNAGE REMAINING as it weighs; a change of tonnage reweighs every jet.
#pragma once

inline float JumpJetWeight(int tonnage) {
    if (tonnage <= 55) return 0.5f;
    if (tonnage <= 85) return 1.0f;
    return 1.5f;
}
