// A driver that plays user actions on a headless design sheet and checks the
// design's invariants after every one.
//
// Actions go through the same framework entry points a window uses (clicks,
// list clicks and double-clicks, focus by Tab, menu commands), so the message
// table, the undo of failed actions and every rule run exactly as they do for
// a person. A failing run can be shrunk to the shortest sequence that still
// fails, and printed as scenario lines.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

class CKestravDlg;
class CHeadlessPlatform;
class HeadlessSheet;

// Each catalogue component's tonnage and slots, read once from the catalogue
// in use (the sheet's own record set must not move under it).
struct ComponentData {
    float tonnage;
    int slots;
};
using ComponentTable = std::map<std::string, ComponentData>;

struct Action {
    enum Kind { Click, Select, SelectEmpty, DoubleClick, DoubleClickEmpty, Focus, Menu };
    Kind kind;
    int id;
    int row = -1;
    // The action as a line of a scenario file.
    std::string ToScenarioLine() const;
};

// Picks random actions over every control a user can reach.
class ActionGenerator {
  public:
    explicit ActionGenerator(std::uint64_t seed) : m_random(seed) {}
    // An action for the sheet as it stands (rows are chosen among its entries).
    Action Next(CKestravDlg& sheet);
    // An action from raw bytes, for a coverage-guided fuzzer.
    static Action FromBytes(const std::uint8_t* data, std::size_t size, std::size_t& used);

  private:
    std::mt19937_64 m_random;
};

// A fresh sheet started headless on the real start-up path and its platform.
class DriverSession {
  public:
    explicit DriverSession(const std::string& catalogFolder);
    ~DriverSession();
    DriverSession(const DriverSession&) = delete;
    DriverSession& operator=(const DriverSession&) = delete;

    CKestravDlg& Sheet();
    CHeadlessPlatform& Platform();
    // Plays one action; the empty text, or the first invariant it broke. With
    // a sound catalogue (the start-up showed no box) a stop-icon box is a fault;
    // after a failed start-up every action must be refused and change nothing.
    std::string Play(const Action& action);
    // Every invariant of the design as it stands.
    std::string Check();
    bool StartedSound() {
        ObserveStart();
        return m_startedSound;
    }
    bool StartFailed() {
        ObserveStart();
        return m_startFailed;
    }

  private:
    std::unique_ptr<HeadlessSheet> m_headless;
    void ObserveStart(); // once, before the first action: what the start-up left
    bool m_observed = false;
    ComponentTable m_components;
    bool m_startedSound = false;
    bool m_startFailed = false;
};

// Every invariant of a design between two actions; the empty text when all hold.
// Without components (an empty table) the equipment tonnage is not checked.
std::string CheckInvariants(CKestravDlg& sheet, const ComponentTable& components);

// Replays actions on a fresh sheet; the index of the first failing action and
// its message, or -1.
struct ReplayResult {
    int failedAt = -1;
    std::string message;
};
ReplayResult Replay(const std::string& catalogFolder, const std::vector<Action>& actions);

// The shortest sequence found (by removing chunks, then single actions) that
// still fails.
std::vector<Action> Shrink(const std::string& catalogFolder, std::vector<Action> actions);
