// Reading scenario files: tokens, then each verb's arguments.

#include "testing/scenario/Scenario.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

namespace {

struct Token {
    enum Kind { Word, Text, Field } kind;
    std::string text; // the word, the text, or the field's text
    std::string word; // a field's id as written
};

// Reads a quoted text starting at line[i] == '"'; leaves i after the closing quote.
std::string ReadQuoted(const std::string& line, std::size_t& i, int lineNo) {
    std::string text;
    ++i;
    while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') return text;
        if (c == '\\') {
            if (i >= line.size() || (line[i] != '"' && line[i] != '\\'))
                throw ScenarioError(lineNo, "bad escape in text (only \\\" and \\\\ are allowed)");
            text += line[i++];
        } else {
            text += c;
        }
    }
    throw ScenarioError(lineNo, "text without its closing quote");
}

std::vector<Token> Tokenize(const std::string& line, int lineNo) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < line.size()) {
        if (isSpace(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            tokens.push_back(Token{Token::Text, ReadQuoted(line, i, lineNo), ""});
        } else {
            std::string word;
            while (i < line.size() && !isSpace(line[i]) && line[i] != '"')
                word += line[i++];
            if (i < line.size() && line[i] == '"') {
                if (word.size() < 2 || word.back() != '=')
                    throw ScenarioError(lineNo, "unexpected quote after \"" + word + "\"");
                word.pop_back();
                tokens.push_back(Token{Token::Field, ReadQuoted(line, i, lineNo), word});
            } else {
                tokens.push_back(Token{Token::Word, word, ""});
            }
        }
        if (i < line.size() && !isSpace(line[i]))
            throw ScenarioError(lineNo, "arguments must be separated by spaces");
    }
    return tokens;
}

const std::map<std::string, Verb>& Verbs() {
    static const std::map<std::string, Verb> verbs{
        {"catalog", Verb::Catalog},
        {"click", Verb::Click},
        {"select", Verb::Select},
        {"dblclick", Verb::DoubleClick},
        {"focus", Verb::Focus},
        {"menu", Verb::Menu},
        {"sysmenu", Verb::SysMenu},
        {"key", Verb::Key},
        {"type", Verb::Type},
        {"close", Verb::Close},
        {"expect", Verb::Expect},
        {"expect-list", Verb::ExpectList},
        {"expect-count", Verb::ExpectCount},
        {"expect-selected", Verb::ExpectSelected},
        {"expect-checked", Verb::ExpectChecked},
        {"expect-enabled", Verb::ExpectEnabled},
        {"expect-focus", Verb::ExpectFocus},
        {"expect-ended", Verb::ExpectEnded},
        {"expect-help", Verb::ExpectHelp},
        {"expect-menu", Verb::ExpectMenu},
        {"message", Verb::Message},
        {"message-contains", Verb::MessageContains},
        {"dialog", Verb::Dialog},
    };
    return verbs;
}

const char kKeyNames[] = "up, down, home, end, pageup, pagedown, left, right, tab, shift+tab, "
                         "space, delete, f1, f10, alt, enter, escape";

// A key the key verb can press: a name of kKeyNames, or alt+ a letter or digit (alt+3, alt+f).
bool IsKeyName(const std::string& key) {
    if (key.size() == 5 && key.rfind("alt+", 0) == 0)
        return std::islower(static_cast<unsigned char>(key[4])) ||
               std::isdigit(static_cast<unsigned char>(key[4]));
    const std::string names = std::string(", ") + kKeyNames + ",";
    return key.find(',') == std::string::npos && key.find(' ') == std::string::npos &&
           names.find(" " + key + ",") != std::string::npos;
}

// Reads the arguments of one command, verb by verb.
class ArgumentReader {
  public:
    ArgumentReader(std::vector<Token> tokens, int line, const std::string& verb)
        : m_tokens(std::move(tokens)), m_line(line), m_verb(verb) {}

    std::size_t Left() const { return m_tokens.size() - m_next; }
    bool AtWord(const char* word) const {
        return Left() > 0 && m_tokens[m_next].kind == Token::Word && m_tokens[m_next].text == word;
    }
    bool AtText() const { return Left() > 0 && m_tokens[m_next].kind == Token::Text; }

    int Number(const char* what, int least) {
        const Token& token = Take(what);
        if (token.kind != Token::Word || !IsNumber(token.text))
            Fail("expected " + std::string(what) + ", found " + Shown(token));
        const int value = ToNumber(token.text, what);
        if (value < least) Fail(std::string(what) + " must be at least " + std::to_string(least));
        return value;
    }
    std::string Text(const char* what) {
        const Token& token = Take(what);
        if (token.kind != Token::Text)
            Fail("expected " + std::string(what) + " in quotes, found " + Shown(token));
        return token.text;
    }
    std::string Word(const char* what) {
        const Token& token = Take(what);
        if (token.kind == Token::Field)
            Fail("expected " + std::string(what) + ", found " + Shown(token));
        return token.text;
    }
    // One of two words: true for the first.
    bool Choice(const char* first, const char* second) {
        const std::string what = std::string(first) + " or " + second;
        const Token& token = Take(what.c_str());
        if (token.kind == Token::Word && token.text == first) return true;
        if (token.kind == Token::Word && token.text == second) return false;
        Fail("expected " + what + ", found " + Shown(token));
        return false;
    }
    // A control: its number, or the name of the member bound to it.
    void Control(Command& command, const char* what = "a control id") {
        const Token& token = Take(what);
        if (token.kind == Token::Word && IsMemberName(token.text)) {
            command.member = token.text;
            return;
        }
        if (token.kind != Token::Word || !IsNumber(token.text))
            Fail("expected " + std::string(what) + " or member name, found " + Shown(token));
        command.id = ToNumber(token.text, what);
        if (command.id < 1) Fail(std::string(what) + " must be at least 1");
    }
    std::pair<std::string, std::string> FieldArg() {
        const Token& token = Take("ID=\"TEXT\"");
        if (token.kind != Token::Field || !(IsNumber(token.word) || IsMemberName(token.word)))
            Fail("expected ID=\"TEXT\", found " + Shown(token));
        return {token.word, token.text};
    }
    void End() {
        if (Left() > 0) Fail("too many arguments");
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw ScenarioError(m_line, m_verb + ": " + what);
    }

  private:
    const Token& Take(const char* what) {
        if (Left() == 0) Fail("missing " + std::string(what));
        return m_tokens[m_next++];
    }
    static bool IsMemberName(const std::string& s) {
        if (s.size() < 3 || s.rfind("m_", 0) != 0) return false;
        for (char c : s)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
        return true;
    }
    static bool IsNumber(const std::string& s) {
        if (s.empty() || s.size() > 9) return false;
        for (char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        return true;
    }
    int ToNumber(const std::string& s, const char*) const { return std::stoi(s); }
    static std::string Shown(const Token& token) {
        if (token.kind == Token::Text) return "\"" + token.text + "\"";
        if (token.kind == Token::Field) return token.word + "=\"" + token.text + "\"";
        return "\"" + token.text + "\"";
    }

    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
    int m_line;
    std::string m_verb;
};

// select / dblclick: ROW, "TEXT" or empty.
void ReadEntry(ArgumentReader& args, Command& command) {
    if (args.AtText()) {
        command.target = Target::Text;
        command.text = args.Text("an entry");
    } else if (args.AtWord("empty")) {
        args.Word("empty");
        command.target = Target::Empty;
    } else {
        command.target = Target::Row;
        command.number = args.Number("a row, \"TEXT\" or empty", 0);
    }
}

Command ReadCommand(const std::string& line, int lineNo) {
    std::vector<Token> tokens = Tokenize(line, lineNo);
    const Token first = tokens.front();
    tokens.erase(tokens.begin());
    auto verb = Verbs().find(first.text);
    if (first.kind != Token::Word || verb == Verbs().end())
        throw ScenarioError(lineNo, "unknown command \"" + first.text + "\"");
    Command command;
    command.line = lineNo;
    command.verb = verb->second;
    ArgumentReader args(std::move(tokens), lineNo, first.text);
    switch (command.verb) {
    case Verb::Catalog:
        command.text = args.AtText() ? args.Text("a folder") : args.Word("a folder");
        break;
    case Verb::Click:
        args.Control(command);
        if (args.Left() > 0) command.number = args.Number("a count", 1);
        break;
    case Verb::Select:
    case Verb::DoubleClick:
        args.Control(command);
        ReadEntry(args, command);
        break;
    case Verb::Focus:
        args.Control(command);
        break;
    case Verb::Menu:
    case Verb::SysMenu:
        command.id = args.Number("a command id", 1);
        break;
    case Verb::Key: {
        const std::string key = args.Word("a key");
        if (!IsKeyName(key))
            throw ScenarioError(lineNo, "key: expected " + std::string(kKeyNames) +
                                            " or alt+ a letter or digit, found \"" + key + "\"");
        command.text = key;
        command.yes = key == "enter";
        if (args.Left() > 0) command.number = args.Number("a count", 1);
        break;
    }
    case Verb::ExpectMenu:
    case Verb::ExpectHelp:
        // An open menu's title or a help section, or none open.
        if (args.AtWord("none")) {
            args.Word("none");
            command.target = Target::None;
        } else {
            command.target = Target::Text;
            command.text = args.Text(command.verb == Verb::ExpectMenu ? "a menu title or none"
                                                                      : "a section or none");
        }
        break;
    case Verb::Type:
        command.text = args.Text("the text typed");
        break;
    case Verb::Close:
        break;
    case Verb::Expect:
        args.Control(command);
        command.text = args.Text("the expected text");
        break;
    case Verb::ExpectList:
        args.Control(command);
        while (args.Left() > 0)
            command.texts.push_back(args.Text("an entry"));
        break;
    case Verb::ExpectCount:
        args.Control(command);
        command.number = args.Number("a count", 0);
        break;
    case Verb::ExpectSelected:
        args.Control(command);
        if (args.AtWord("none")) {
            args.Word("none");
            command.target = Target::None;
        } else {
            command.target = Target::Row;
            command.number = args.Number("a row or none", 0);
        }
        break;
    case Verb::ExpectChecked:
    case Verb::ExpectEnabled:
        args.Control(command);
        command.yes = args.Choice("yes", "no");
        break;
    case Verb::ExpectFocus:
        if (args.AtWord("window")) {
            args.Word("window");
            command.yes = true;
        } else {
            args.Control(command, "a control id, window");
        }
        break;
    case Verb::ExpectEnded:
        command.yes = args.Choice("ok", "cancel");
        break;
    case Verb::Message:
        command.text = args.Text("the caption");
        command.text2 = args.Text("the text");
        break;
    case Verb::MessageContains:
        // A caption of * accepts any caption.
        if (args.AtWord("*")) {
            args.Word("*");
            command.yes = true;
        } else {
            command.text = args.Text("the caption or *");
            command.yes = command.text == "*";
        }
        command.text2 = args.Text("a part of the text");
        break;
    case Verb::Dialog:
        command.text = args.Text("the caption");
        while (args.Left() > 0)
            command.fields.push_back(args.FieldArg());
        break;
    }
    args.End();
    return command;
}

std::string Trim(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

} // namespace

Scenario ParseScenario(const std::string& file, const std::string& content) {
    Scenario scenario;
    scenario.file = file;
    std::istringstream lines(content);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        Command command = ReadCommand(trimmed, lineNo);
        command.source = trimmed;
        if (command.verb == Verb::Catalog && !scenario.commands.empty())
            throw ScenarioError(lineNo, "catalog: only allowed as the first command");
        scenario.commands.push_back(std::move(command));
    }
    scenario.lastLine = lineNo;
    return scenario;
}

Scenario LoadScenario(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ScenarioError(0, "cannot read the file");
    std::ostringstream content;
    content << in.rdbuf();
    return ParseScenario(file, content.str());
}

bool ChecksABox(Verb verb) {
    return verb == Verb::Message || verb == Verb::MessageContains || verb == Verb::Dialog;
}

bool IsAction(Verb verb) {
    switch (verb) {
    case Verb::Click:
    case Verb::Select:
    case Verb::DoubleClick:
    case Verb::Focus:
    case Verb::Menu:
    case Verb::SysMenu:
    case Verb::Key:
    case Verb::Type:
    case Verb::Close:
        return true;
    default:
        return false;
    }
}
