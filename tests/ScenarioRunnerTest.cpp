// The scenario format and the runner: the reader's errors name the line, and
// the runner itself, run on small files, fails a scenario that states
// something false, fails an unchecked message box, and exits 0, 1 or 2.

#include "tests/TestSupport.h"
#include "tools/scenario/Scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

// ---- The format ----

TEST(ScenarioFormatTest, ReadsEveryVerbWithItsArguments) {
    const Scenario s = ParseScenario("x.scn", R"(# a comment

catalog fixtures/basic
click 1001 3
select 1098 "Medium \"Laser\" \\ 2"
select 1106 empty
dblclick 1110 0
expect-list 1106 "A" "B"
expect-list 1103
expect-selected 1098 none
expect-focus window
message-contains * "Null"
dialog "Equipment Details" 1134="Small Laser" 1135="0.5"
key escape
)");
    ASSERT_EQ(s.commands.size(), 12u);
    EXPECT_EQ(s.commands[0].verb, Verb::Catalog);
    EXPECT_EQ(s.commands[0].text, "fixtures/basic");
    EXPECT_EQ(s.commands[0].line, 3);
    EXPECT_EQ(s.commands[1].number, 3);
    EXPECT_EQ(s.commands[2].target, Target::Text);
    EXPECT_EQ(s.commands[2].text, "Medium \"Laser\" \\ 2");
    EXPECT_EQ(s.commands[3].target, Target::Empty);
    EXPECT_EQ(s.commands[4].target, Target::Row);
    EXPECT_EQ(s.commands[4].number, 0);
    EXPECT_EQ(s.commands[5].texts, (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(s.commands[6].texts.empty());
    EXPECT_EQ(s.commands[7].target, Target::None);
    EXPECT_TRUE(s.commands[8].yes);
    EXPECT_TRUE(s.commands[9].yes);
    EXPECT_EQ(s.commands[9].text2, "Null");
    ASSERT_EQ(s.commands[10].fields.size(), 2u);
    EXPECT_EQ(s.commands[10].fields[1], (std::pair<int, std::string>{1135, "0.5"}));
    EXPECT_FALSE(s.commands[11].yes);
    EXPECT_EQ(s.commands[11].source, "key escape");
}

TEST(ScenarioFormatTest, BadLinesAreRefusedNamingTheLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"expect 1002 \"10\"\nfrobnicate 3", "unknown command"},
        {"expect 1002 \"10", "closing quote"},
        {"expect 1002 \"a\\n\"", "bad escape"},
        {"expect 1002 10", "in quotes"},
        {"click", "missing"},
        {"click 1001 0", "at least 1"},
        {"key return", "enter or escape"},
        {"expect-checked 1092 maybe", "yes or no"},
        {"close now", "too many"},
        {"dialog \"About\" 1134=x", "expected ID="},
        {"expect 1002 \"a\"\"b\"", "separated by spaces"},
        {"click 1001\ncatalog x", "first command"},
    };
    for (const auto& [text, words] : bad) {
        try {
            ParseScenario("x.scn", text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ScenarioError& error) {
            const int lines =
                static_cast<int>(std::count(text, text + std::strlen(text), '\n')) + 1;
            EXPECT_EQ(error.line(), lines) << text;
            EXPECT_NE(std::string(error.what()).find(words), std::string::npos)
                << text << " -> " << error.what();
        }
    }
}

// ---- The runner, run ----

struct RunnerOutput {
    int status;
    std::string text;
};

RunnerOutput RunRunner(const std::string& arguments) {
    const std::string command = std::string(KESTRAV_SCENARIO_RUNNER) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    RunnerOutput out{-1, ""};
    if (!pipe) return out;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        out.text += buffer;
    const int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

class ScenarioRunnerTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir.File(name);
        std::ofstream(path) << content;
        return path;
    }
    TempDir dir;
};

TEST_F(ScenarioRunnerTest, AScenarioThatStatesSomethingFalseFails) {
    const std::string truth =
        Write("truth.scn", "expect 1002 \"10\"\nclick 1001\nexpect 1002 \"15\"\n");
    const std::string lie =
        Write("lie.scn", "expect 1002 \"10\"\nclick 1001\nexpect 1002 \"20\"\n");
    const RunnerOutput out = RunRunner(truth + " " + lie);
    EXPECT_EQ(out.status, 1) << out.text;
    EXPECT_NE(out.text.find("PASS " + truth + "\n"), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("FAIL " + lie + ":3: expect 1002 \"20\": shows \"15\"\n"),
              std::string::npos)
        << out.text;
    EXPECT_NE(out.text.find("1 passed, 1 failed\n"), std::string::npos) << out.text;
}

TEST_F(ScenarioRunnerTest, FalseStatementsOfEveryKindFail) {
    const std::pair<const char*, const char*> lies[] = {
        {"expect-list 1100 \"Cockpit\"", "shows \"Life Support\""},
        {"expect-count 1110 9", "holds 10 entries"},
        {"expect-checked 1133 no", "mark set"},
        {"expect-enabled 1001 no", "enabled"},
        {"expect-focus 1002", "focus on 1001"},
        {"expect-selected 1098 0", "no selection"},
        {"expect-ended ok", "not ended"},
        {"key escape\nexpect-ended ok", "ended with cancel"},
        {"menu 100\ndialog \"About\"", "\"About Kestrav\""},
        {"message \"A\" \"B\"", "no message box"},
        {"select 1098 \"No Such Weapon\"", "no entry"},
        {"click 1098", "not a button"},
        {"key escape\nclick 1001", "already ended"},
    };
    std::string files;
    for (std::size_t i = 0; i < std::size(lies); ++i)
        files += " " + Write("lie" + std::to_string(i) + ".scn", lies[i].first);
    const RunnerOutput out = RunRunner(files);
    EXPECT_EQ(out.status, 1);
    for (const auto& [scenario, words] : lies)
        EXPECT_NE(out.text.find(words), std::string::npos) << scenario << "\n" << out.text;
    EXPECT_NE(out.text.find("0 passed, 13 failed"), std::string::npos) << out.text;
}

TEST_F(ScenarioRunnerTest, EveryBoxMustBeStated) {
    const std::string unchecked = Write("unchecked.scn", "menu 100\nexpect 1002 \"10\"\n");
    const std::string atEnd = Write("end.scn", "expect 1002 \"10\"\nmenu 100\n");
    const std::string stated = Write("stated.scn", "menu 100\ndialog \"About Kestrav\"\n");
    const RunnerOutput out = RunRunner(unchecked + " " + atEnd + " " + stated);
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.text.find("FAIL " + unchecked + ":2: unchecked dialog box: \"About Kestrav\""),
              std::string::npos)
        << out.text;
    EXPECT_NE(out.text.find("FAIL " + atEnd + ":2: unchecked dialog box"), std::string::npos)
        << out.text;
    EXPECT_NE(out.text.find("PASS " + stated), std::string::npos) << out.text;
}

TEST_F(ScenarioRunnerTest, StartupErrorsAreReportedUnderTheProgramsName) {
    // A catalogue folder without the engine catalogue: the start-up meets the missing file.
    const std::string catalogs = dir.File("catalogs");
    std::filesystem::create_directory(catalogs);
    std::ofstream(catalogs + "/equipment.sql") << ProjectCatalogScript("equipment");
    std::ofstream(catalogs + "/Internal.sql") << ProjectCatalogScript("Internal");
    const std::string missing =
        Write("missing.scn", "catalog catalogs\nmessage-contains \"kestrav\" \"MechEngines.db\"\n");
    const RunnerOutput out = RunRunner(missing);
    EXPECT_EQ(out.status, 0) << out.text;
    const std::string noFolder = Write("nofolder.scn", "catalog nowhere\nexpect 1002 \"10\"\n");
    const RunnerOutput bad = RunRunner(noFolder);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.text.find(noFolder + ":1: catalog nowhere: no folder"), std::string::npos)
        << bad.text;
}

TEST_F(ScenarioRunnerTest, AFileThatCannotBeReadStopsTheRunWithStatus2) {
    const std::string good = Write("good.scn", "expect 1002 \"10\"\n");
    const std::string bad = Write("bad.scn", "expect 1002 \"10\"\n\nfrobnicate\n");
    const RunnerOutput out = RunRunner(good + " " + bad);
    EXPECT_EQ(out.status, 2);
    EXPECT_NE(out.text.find(bad + ":3: unknown command \"frobnicate\""), std::string::npos)
        << out.text;
    EXPECT_EQ(out.text.find("PASS"), std::string::npos) << "nothing runs: " << out.text;
    EXPECT_EQ(RunRunner(dir.File("absent.scn")).status, 2);
    EXPECT_EQ(RunRunner("").status, 2);
}

} // namespace
