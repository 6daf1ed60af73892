// The texts and captions of the sheet's message boxes.
#pragma once

// Captions.
inline constexpr char kEquipmentAllocationError[] = "EQUIPMENT ALLOCATION ERROR";
inline constexpr char kAllocationError[] = "ALLOCATION ERROR";
inline constexpr char kEquipmentError[] = "EQUIPMENT ERROR";

// Placing, Add Component and the heat-sink option.
inline constexpr char kMixingSinksText[] =
    "You cannot mix single and double heat sinks.  Check heat sink type selection";
inline constexpr char kCannotFitText[] = "Cannont fit component into this location.";
inline constexpr char kOneHandPerArmText[] = "You can only have one hand per arm.";
inline constexpr char kTwoHandsText[] = "You can only have two hands.";
inline constexpr char kInsufficientTonnageText[] =
    "Insuficient tonnage remaining to fit that equipment.";
// The options that need critical slots.
inline constexpr char kNoRoomText[] = "You do not have the critical spaces available";
// Removing and moving.
inline constexpr char kCannotRemoveText[] = "You cannot remove that item.";
inline constexpr char kUncheckBoxText[] = "Remove that item by unchecking the box.";
inline constexpr char kJumpJetButtonText[] = "Remove jump jets with the JUMP JETS Decrease button.";
inline constexpr char kCannotMoveText[] = "You cannot move that item.";
inline constexpr char kNoRecordToMoveText[] =
    "That item has no record in the equipment catalogue, so it cannot be moved.";
// Start-up.
inline constexpr char kEmptyCatalogueText[] = ": No current record: the catalogue is empty.";
inline constexpr char kEveryRowLeftOutText[] =
    ": No current record: every row of the catalogue was left out.\n";
inline constexpr char kCataloguesUnreadText[] =
    "The design cannot be changed, because the catalogues could not be read when Kestrav "
    "started:\n";
