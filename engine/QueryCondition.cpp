#include "QueryCondition.h"

#include "AsciiText.h"
#include "KeyExpression.h"

#include <cstring>

namespace sde {

namespace {

class Parser {
public:
    explicit Parser(const char* text) : p_(text) {}

    void SkipBlanks()
    {
        while (nav::IsBlank(*p_)) ++p_;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return *p_ == '\0';
    }
    bool Keyword(const char* word)
    {
        SkipBlanks();
        size_t n = std::strlen(word);
        for (size_t i = 0; i < n; ++i)
            if (nav::UpperAscii(p_[i]) != word[i]) return false;
        p_ += n;
        return true;
    }
    bool Name(std::string& out)
    {
        SkipBlanks();
        out.clear();
        while ((*p_ >= 'A' && *p_ <= 'Z') || (*p_ >= 'a' && *p_ <= 'z') ||
               (*p_ >= '0' && *p_ <= '9') || *p_ == '_')
            out += nav::UpperAscii(*p_++);
        return !out.empty();
    }
    bool Quoted(std::string& out)
    {
        SkipBlanks();
        char quote = *p_;
        if (quote != '"' && quote != '\'') return false;
        const char* close = std::strchr(p_ + 1, quote);
        if (!close) return false;
        out.assign(p_ + 1, close);
        p_ = close + 1;
        return true;
    }

private:
    const char* p_;
};

}  // namespace

QueryCondition QueryCondition::Parse(const char* text, const std::vector<TableField>& fields)
{
    QueryCondition condition;
    Parser parser(text ? text : "");
    if (parser.AtEnd()) {
        condition.valid_ = true;
        return condition;
    }
    do {
        std::string fieldName, value;
        if (!parser.Name(fieldName) || !parser.Keyword("=") || !parser.Quoted(value))
            return QueryCondition();
        const TableField* field = nullptr;
        for (const TableField& f : fields)
            if (f.name == fieldName) field = &f;
        if (!field) return QueryCondition();
        condition.terms_.push_back({field, value});
    } while (parser.Keyword(".AND."));
    if (!parser.AtEnd()) return QueryCondition();
    condition.valid_ = true;
    return condition;
}

bool QueryCondition::FieldBeginsWith(const TableField& field, const char* record,
                                     const std::string& text)
{
    const char* value = record + field.offset;
    size_t width = static_cast<size_t>(field.width);
    if (field.Numeric()) {
        while (width > 0 && *value == ' ') {
            ++value;
            --width;
        }
    }
    size_t common = text.size() < width ? text.size() : width;
    if (std::memcmp(value, text.data(), common) != 0) return false;
    for (size_t i = common; i < text.size(); ++i)
        if (text[i] != ' ') return false;
    return true;
}

bool QueryCondition::Matches(const char* record) const
{
    if (!valid_) return false;
    for (const Term& term : terms_)
        if (!FieldBeginsWith(*term.field, record, term.text)) return false;
    return true;
}

}  // namespace sde
