// The names of the entries the rules write and look for themselves: the
// fixed entries of a new design, the filler entries of the jump-jet and
// option rules, the heat sinks, and the components with rules of their own.
// A catalogue item of the same name is that entry.
#pragma once

#include <string>

// Fixed entries.
inline constexpr char kLifeSupport[] = "Life Support";
inline constexpr char kSensors[] = "Sensors";
inline constexpr char kCockpit[] = "Cockpit";
inline constexpr char kEngine[] = "Engine"; // also XL Engine's three per side torso
inline constexpr char kGyro[] = "Gyro";
inline constexpr char kShoulder[] = "Shoulder";
inline constexpr char kUpperArmActuator[] = "Upper Arm Actuator";
inline constexpr char kLowerArmActuator[] = "Lower Arm Actuator";
inline constexpr char kHip[] = "Hip";
inline constexpr char kUpperLegActuator[] = "Upper Leg Actuator";
inline constexpr char kLowerLegActuator[] = "Lower Leg Actuator";
inline constexpr char kFootActuator[] = "Foot Actuator";

// Filler entries: one slot each, no catalogue record.
inline constexpr char kJumpJet[] = "Jump Jet";
inline constexpr char kEndoSteel[] = "Endo Steel";
inline constexpr char kFerroFibrous[] = "Ferro Fibrous";

// Heat sinks, from the catalogue or the engine's list.
inline constexpr char kHeatSink[] = "Heat Sink";
inline constexpr char kDoubleSink[] = "Double Sink";

inline constexpr char kHandActuator[] = "Hand Actuator"; // one per arm, back after the lower arm
inline constexpr char kAutocannon20[] = "AC /20";        // the one component that may spill

// The slots one heat sink of that name takes: three for a double sink.
inline int HeatSinkSlots(const std::string& name) {
    return name == kDoubleSink ? 3 : 1;
}
