#include "Scenario.h"

#include <cstdlib>

#include "AsciiText.h"
#include "ButtonLabels.h"

namespace host {

const char* const PrintTopics[6] = {"screen", "lamps", "marker", "events", "aircraft", "state"};

namespace {

// One line of a scenario, consumed from the left.
class LineCursor {
public:
    explicit LineCursor(const std::string& line) : line_(line) {}

    void SkipBlanks()
    {
        while (pos_ < line_.size() && nav::IsBlank(line_[pos_])) ++pos_;
    }

    // The next blank-separated word; a word in double quotes may hold blanks.
    std::optional<std::string> Word()
    {
        SkipBlanks();
        if (pos_ >= line_.size() || line_[pos_] == '#') return std::nullopt;
        if (line_[pos_] == '"') {
            size_t close = line_.find('"', pos_ + 1);
            if (close == std::string::npos) return std::nullopt;
            std::string word = line_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            return word;
        }
        size_t start = pos_;
        while (pos_ < line_.size() && !nav::IsBlank(line_[pos_])) ++pos_;
        return line_.substr(start, pos_ - start);
    }

    // Everything after the one blank that follows the previous word.
    std::string Text()
    {
        if (pos_ < line_.size() && nav::IsBlank(line_[pos_])) ++pos_;
        std::string text = line_.substr(pos_);
        pos_ = line_.size();
        return text;
    }

    // The rest of the line without its leading and trailing blanks.
    std::string Path()
    {
        SkipBlanks();
        size_t end = line_.size();
        while (end > pos_ && nav::IsBlank(line_[end - 1])) --end;
        std::string path = line_.substr(pos_, end - pos_);
        pos_ = line_.size();
        return path;
    }

    // Nothing left but blanks or a comment.
    bool AtEnd()
    {
        SkipBlanks();
        return pos_ >= line_.size() || line_[pos_] == '#';
    }

private:
    const std::string& line_;
    size_t pos_ = 0;
};

std::optional<double> Number(const std::optional<std::string>& word)
{
    if (!word || word->empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(word->c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return value;
}

std::optional<int> Integer(const std::optional<std::string>& word)
{
    if (!word || word->empty()) return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(word->c_str(), &end, 0);
    if (*end != '\0') return std::nullopt;
    return static_cast<int>(value);
}

template <size_t N>
bool OneOf(const std::string& word, const char* const (&choices)[N])
{
    for (const char* choice : choices)
        if (word == choice) return true;
    return false;
}

class Parser {
public:
    Parser(std::istream& in, ScenarioError& error) : in_(in), error_(error) {}

    std::optional<std::vector<ScenarioCommand>> Run()
    {
        std::vector<ScenarioCommand> commands;
        std::string line;
        while (NextLine(line)) {
            LineCursor cursor(line);
            auto word = cursor.Word();
            if (!word) continue;  // blank or comment
            ScenarioCommand command{CommandKind::Load, lineNumber_, line, {}, {}, {}};
            if (!Command(*word, cursor, command)) return std::nullopt;
            commands.push_back(std::move(command));
        }
        return commands;
    }

private:
    bool NextLine(std::string& line)
    {
        if (!std::getline(in_, line)) return false;
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

    bool Fail(const std::string& message)
    {
        error_ = {lineNumber_, message};
        return false;
    }

    // Reads `count` required and `optional` more numbers, then the end of the line.
    bool Numbers(LineCursor& cursor, ScenarioCommand& command, size_t count, size_t optional,
                 const char* usage)
    {
        for (size_t i = 0; i < count + optional; ++i) {
            auto word = cursor.Word();
            if (!word && i >= count) break;
            auto value = Number(word);
            if (!value) return Fail(std::string("usage: ") + usage);
            command.numbers.push_back(*value);
        }
        if (!cursor.AtEnd()) return Fail(std::string("usage: ") + usage);
        return true;
    }

    bool Command(const std::string& word, LineCursor& cursor, ScenarioCommand& command)
    {
        if (word == "data" || word == "shot") {
            command.kind = word == "data" ? CommandKind::Data : CommandKind::Shot;
            command.text = cursor.Path();
            if (command.text.empty()) return Fail(word + " needs a path");
            return true;
        }
        if (word == "aircraft") {
            command.kind = CommandKind::Aircraft;
            return Numbers(cursor, command, 2, 3, "aircraft LAT LON [ALT_FT [HDG_MAG [KT]]]");
        }
        if (word == "variation") {
            command.kind = CommandKind::Variation;
            return Numbers(cursor, command, 1, 0, "variation DEG");
        }
        if (word == "wind") {
            command.kind = CommandKind::Wind;
            return Numbers(cursor, command, 2, 0, "wind KT DIR");
        }
        if (word == "load" || word == "unload") {
            command.kind = word == "load" ? CommandKind::Load : CommandKind::Unload;
            return cursor.AtEnd() || Fail(word + " takes no arguments");
        }
        if (word == "run") {
            command.kind = CommandKind::Run;
            if (!Numbers(cursor, command, 1, 0, "run SECONDS")) return false;
            double seconds = command.numbers[0];
            if (seconds < 0 || seconds != static_cast<long long>(seconds))
                return Fail("run takes a whole number of seconds");
            return true;
        }
        if (word == "click") {
            command.kind = CommandKind::Click;
            auto label = cursor.Word();
            if (!label || !OneOf(*label, ButtonLabels) || !cursor.AtEnd())
                return Fail("usage: click NAV|INF|ALR|SET|PWR|DTO|RTE|AUT|<|>");
            command.text = *label;
            return true;
        }
        if (word == "print") {
            command.kind = CommandKind::Print;
            auto topic = cursor.Word();
            if (!topic || !OneOf(*topic, PrintTopics) || !cursor.AtEnd())
                return Fail("usage: print screen|lamps|marker|events|aircraft|state");
            command.text = *topic;
            return true;
        }
        if (word == "expect") {
            command.kind = CommandKind::ExpectScreen;
            auto what = cursor.Word();
            auto line = Integer(cursor.Word());
            if (!what || *what != "screen" || !line || *line < 1 || *line > 4)
                return Fail("usage: expect screen N TEXT (N from 1 to 4)");
            command.numbers.push_back(*line);
            command.text = cursor.Text();
            return true;
        }
        if (word == "dialog") {
            command.kind = CommandKind::Dialog;
            return Dialog(cursor, command);
        }
        return Fail("unknown command '" + word + "'");
    }

    bool Dialog(LineCursor& cursor, ScenarioCommand& command)
    {
        auto caption = cursor.Word();
        if (!caption || !cursor.AtEnd()) return Fail("usage: dialog CAPTION");
        DialogBlock block{*caption, lineNumber_, {}};
        std::string line;
        while (NextLine(line)) {
            LineCursor step(line);
            auto word = step.Word();
            if (!word) continue;
            if (*word == "end") {
                if (!step.AtEnd()) return Fail("end takes no arguments");
                command.dialog = std::move(block);
                return true;
            }
            DialogStep s{DialogStepKind::Press, lineNumber_, 0, 0, {}};
            if (!Step(*word, step, s)) return false;
            block.steps.push_back(std::move(s));
        }
        return Fail("dialog block of line " + std::to_string(block.line) + " has no end");
    }

    bool Step(const std::string& word, LineCursor& cursor, DialogStep& step)
    {
        if (word == "text") {
            step.kind = DialogStepKind::Text;
            auto control = Integer(cursor.Word());
            if (!control) return Fail("usage: text ID TEXT");
            step.control = *control;
            step.text = cursor.Text();
            return true;
        }
        if (word == "select") {
            step.kind = DialogStepKind::Select;
            auto control = Integer(cursor.Word());
            auto index = Integer(cursor.Word());
            if (!control || !index || *index < 0 || !cursor.AtEnd())
                return Fail("usage: select ID INDEX");
            step.control = *control;
            step.index = *index;
            return true;
        }
        if (word == "press") {
            step.kind = DialogStepKind::Press;
            auto control = Integer(cursor.Word());
            if (!control || !cursor.AtEnd()) return Fail("usage: press ID");
            step.control = *control;
            return true;
        }
        if (word == "file" || word == "shot") {
            step.kind = word == "file" ? DialogStepKind::File : DialogStepKind::Shot;
            step.text = cursor.Path();
            if (step.text.empty()) return Fail("usage: " + word + " PATH");
            return true;
        }
        if (word == "close") {
            step.kind = DialogStepKind::Close;
            return cursor.AtEnd() || Fail("close takes no arguments");
        }
        if (word == "expect") {
            step.kind = DialogStepKind::Expect;
            auto control = Integer(cursor.Word());
            if (!control) return Fail("usage: expect ID TEXT");
            step.control = *control;
            step.text = cursor.Text();
            return true;
        }
        if (word == "count" || word == "run") {
            bool count = word == "count";
            step.kind = count ? DialogStepKind::Count : DialogStepKind::Run;
            std::optional<int> control = count ? Integer(cursor.Word()) : 0;
            auto number = Integer(cursor.Word());
            if (!control || !number || *number < 0 || !cursor.AtEnd())
                return Fail(count ? "usage: count ID N" : "usage: run SECONDS (a whole number)");
            step.control = *control;
            step.index = *number;
            return true;
        }
        return Fail("'" + word +
                    "' is not a step of a dialog block (text, select, press, file, close, expect, "
                    "count, run, shot, end)");
    }

    std::istream& in_;
    ScenarioError& error_;
    int lineNumber_ = 0;
};

}  // namespace

std::optional<std::vector<ScenarioCommand>> ParseScenario(std::istream& in, ScenarioError& error)
{
    return Parser(in, error).Run();
}

}  // namespace host
