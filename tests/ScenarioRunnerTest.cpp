// The scenario runner, run on small files: it reads the format, fails every
// false statement and every box no line states (status 1); a file it cannot
// read or parse stops the run before anything runs (status 2), naming the line.

#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

namespace {

// A file's content and its report: "PASS", or words of the line naming the
// file ("" for none).
using Files = std::vector<std::pair<std::string, std::string>>;

class ScenarioRunnerTest : public ::testing::Test {
  protected:
    // Runs the runner on the arguments and the files, checking each file's report.
    void Run(const Files& files, std::string arguments = "") {
        for (std::size_t i = 0; i < files.size(); ++i)
            std::ofstream(dir.File(std::to_string(i))) << files[i].first;
        for (std::size_t i = 0; i < files.size(); ++i)
            arguments += " " + dir.File(std::to_string(i));
        status = std::system(
            (KESTRAV_SCENARIO_RUNNER + arguments + " >" + dir.File("out") + " 2>&1").c_str());
        output = ReadTextFile(dir.File("out"));
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string& words = files[i].second;
            const std::size_t at =
                output.find(dir.File(std::to_string(i)) + (words == "PASS" ? "\n" : ":"));
            const std::size_t from = at == std::string::npos ? 0 : output.rfind('\n', at) + 1;
            const std::string line = output.substr(from, output.find('\n', from) - from);
            EXPECT_EQ(at != std::string::npos, !words.empty()) << output;
            EXPECT_NE(line.find(words), std::string::npos) << i << ": " << output;
        }
    }
    TempDir dir;
    int status = 0;
    std::string output;
};

TEST_F(ScenarioRunnerTest, EveryFalseStatementAndEveryUnstatedBoxFails) {
    Run({
        {"expect 1002 \"10\"\nclick m_btnTonnageUp\nexpect m_nTonnage \"15\"\n", "PASS"},
        {"menu 100\ndialog \"About Kestrav\"\n", "PASS"},
        {"click m_btnNoSuch", ":1: click m_btnNoSuch: the window has no control bound to"},
        {"# a comment\n\nclick 1001\nexpect 1002 \"20\"\n", ":4: expect 1002 \"20\": shows \"15\""},
        {"menu 100\nexpect 1002 \"10\"\n", ":2: unchecked dialog box: \"About Kestrav\""},
        {"expect 1002 \"10\"\nmenu 100\n", ":2: unchecked dialog box"},
        {"catalog nowhere\nexpect 1002 \"10\"\n", ":1: catalog nowhere: no folder"},
        {"expect-list 1100", "shows \"Life Support\""},
        {"expect-count 1110 9", "holds 10 entries"},
        {"expect-checked 1133 no", "mark set"},
        {"expect-enabled 1001 no", "enabled"},
        {"expect-focus 1002", "focus on 1001"},
        {"expect-selected 1098 0", "no selection"},
        {"expect-ended ok", "not ended"},
        {"key escape\nexpect-ended ok", "ended with cancel"},
        {"menu 100\ndialog \"About\"", "\"About Kestrav\""},
        {"menu 100\ndialog \"About Kestrav\" 1134=\"x\"", "no edit box 1134"},
        {"message \"A\" \"B\"", "no message box"},
        {R"(select 1098 "No \"Such\" \\ Weapon")", R"(no entry "No "Such" \ Weapon")"},
        {"click 1098", "not a button"},
        {"key escape\nclick 1001", "already ended"},
    });
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(output.find("\n2 passed, 19 failed\n"), std::string::npos) << output;
}

TEST_F(ScenarioRunnerTest, AFileThatCannotBeReadStopsTheRunWithStatus2NamingTheLine) {
    Run({{"expect 1002 \"10\"\n", ""},
         {"expect 1002 \"10\"\n\nfrobnicate 3", ":3: unknown command \"frobnicate\""},
         {"expect 1002 \"10", ":1: text without its closing quote"},
         {"expect 1002 \"a\\n\"", ":1: bad escape in text"},
         {"expect 1002 10", ":1: expect: expected the expected text in quotes"},
         {"click", ":1: click: missing a control id"},
         {"click 1001 0", ":1: click: a count must be at least 1"},
         {"key return", ":1: key: expected up, down"},
         {"expect-checked 1092 maybe", ":1: expect-checked: expected yes or no"},
         {"close now", ":1: close: too many arguments"},
         {"dialog \"About\" 1134=x", ":1: dialog: expected ID=\"TEXT\""},
         {"expect 1002 \"a\"\"b\"", ":1: arguments must be separated by spaces"},
         {"click 1001\ncatalog x", ":2: catalog: only allowed as the first command"},
         {"click TonnageUp", ":1: click: expected a control id or member name"}},
        " " + dir.File("absent"));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(output.find("absent:0: cannot read the file"), std::string::npos) << output;
    EXPECT_EQ(output.find("PASS"), std::string::npos) << "nothing runs: " << output;
    Run({});
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

} // namespace
