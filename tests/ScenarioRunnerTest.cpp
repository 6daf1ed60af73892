// The scenario format and the runner: the reader's errors name the line, and
// the runner itself, run on small files, fails a scenario that states
// something false, fails an unchecked message box, and exits 0, 1 or 2.

#include "tests/TestSupport.h"
#include "tools/SqlScript.h"
#include "tools/scenario/Scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

// ---- The format ----

// The verbs themselves every scenario reads; here the quoting, the empty
// list, the wildcard caption and the dialog fields.
TEST(ScenarioFormatTest, ReadsQuotesEmptyListsAnyCaptionAndFields) {
    const Scenario s = ParseScenario("x.scn", R"(# a comment

select 1098 "Medium \"Laser\" \\ 2"
expect-list 1103
message-contains * "Null"
dialog "Equipment Details" 1134="Small Laser" 1135="0.5"
)");
    ASSERT_EQ(s.commands.size(), 4u);
    EXPECT_EQ(s.commands[0].line, 3);
    EXPECT_EQ(s.commands[0].text, "Medium \"Laser\" \\ 2");
    EXPECT_TRUE(s.commands[1].texts.empty());
    EXPECT_TRUE(s.commands[2].yes);
    EXPECT_EQ(s.commands[2].text2, "Null");
    ASSERT_EQ(s.commands[3].fields.size(), 2u);
    EXPECT_EQ(s.commands[3].fields[1], (std::pair<std::string, std::string>{"1135", "0.5"}));
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
        {"click TonnageUp", "or member name"},
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

class ScenarioRunnerTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir.File(name);
        std::ofstream(path) << content;
        return path;
    }
    // Runs the runner on arguments: its exit status and everything it printed.
    RunnerOutput RunRunner(const std::string& arguments) {
        const std::string output = dir.File("output.txt");
        const int status = std::system(
            (std::string(KESTRAV_SCENARIO_RUNNER) + " " + arguments + " >" + output + " 2>&1")
                .c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadTextFile(output)};
    }
    TempDir dir;
};

// Every file of a run is reported, PASS or FAIL with its line and what the
// window showed instead; a box no line states fails too; the status is 1.
TEST_F(ScenarioRunnerTest, EveryFalseStatementAndEveryUnstatedBoxFails) {
    // A file's content and what the run prints for it; "@" is the file's path,
    // and words without it are looked for after "FAIL @".
    const std::pair<const char*, const char*> files[] = {
        {"expect 1002 \"10\"\nclick m_btnTonnageUp\nexpect m_nTonnage \"15\"\n", "PASS @\n"},
        {"click m_btnNoSuch", "FAIL @:1: click m_btnNoSuch: the window has no control bound to"},
        {"menu 100\ndialog \"About Kestrav\"\n", "PASS @\n"},
        {"expect 1002 \"10\"\nclick 1001\nexpect 1002 \"20\"\n",
         "FAIL @:3: expect 1002 \"20\": shows \"15\"\n"},
        {"menu 100\nexpect 1002 \"10\"\n", "FAIL @:2: unchecked dialog box: \"About Kestrav\""},
        {"expect 1002 \"10\"\nmenu 100\n", "FAIL @:2: unchecked dialog box"},
        {"catalog nowhere\nexpect 1002 \"10\"\n", "FAIL @:1: catalog nowhere: no folder"},
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
    std::string arguments;
    std::vector<std::pair<std::string, std::string>>
        expected; // a report's start, words in its line
    for (std::size_t i = 0; i < std::size(files); ++i) {
        const std::string path = Write(std::to_string(i) + ".scn", files[i].first);
        arguments += " " + path;
        std::string words = files[i].second;
        if (const std::size_t at = words.find('@'); at != std::string::npos)
            expected.emplace_back(words.replace(at, 1, path), "");
        else
            expected.emplace_back("FAIL " + path + ":", words);
    }
    const RunnerOutput out = RunRunner(arguments);
    EXPECT_EQ(out.status, 1);
    for (const auto& [start, words] : expected) {
        const std::size_t at = out.text.find(start);
        ASSERT_NE(at, std::string::npos) << start << "\n" << out.text;
        const std::string line = out.text.substr(at, out.text.find('\n', at) - at);
        EXPECT_NE(line.find(words), std::string::npos) << line;
    }
    EXPECT_NE(out.text.find("2 passed, 18 failed\n"), std::string::npos) << out.text;
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
