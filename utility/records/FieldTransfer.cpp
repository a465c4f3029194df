#include "FieldTransfer.h"

#include "FieldValues.h"
#include "TableEngine.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quillmap {

void ShowField(const EditorField& field, EditorForm& form)
{
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Frequency:
        form.SetText(field.control, FieldGetString(field.name));
        break;
    case FieldKind::Hemisphere:
        form.SetSelection(field.control, FieldGetInteger(field.name));
        break;
    case FieldKind::WholeNumber:
        form.SetWholeNumber(field.control, FieldGetInteger(field.name));
        break;
    }
}

void WriteField(const EditorField& field, const EditorForm& form)
{
    switch (field.kind) {
    case FieldKind::Text:
        nav::ReplaceText(field.name, form.Text(field.control).c_str());
        break;
    case FieldKind::Hemisphere:
        nav::ReplaceInteger(field.name, form.Selection(field.control));
        break;
    case FieldKind::WholeNumber:
        nav::ReplaceInteger(field.name, form.WholeNumber(field.control));
        break;
    case FieldKind::Frequency:
        nav::ReplaceDouble(field.name, ParseFrequency(form.Text(field.control)));
        break;
    }
}

void ClearField(const EditorField& field, EditorForm& form)
{
    if (field.kind == FieldKind::Hemisphere)
        form.SetSelection(field.control, -1);
    else
        form.SetText(field.control, "");
}

double ParseFrequency(const std::string& text)
{
    // The classic decimal form only: blanks, sign, digits, fraction, exponent. The words and
    // hexadecimal numbers that newer run-time libraries also read must not reach a numeric
    // field, nor an exponent too large for a double.
    std::size_t end = text.find_first_not_of(" \t\n\v\f\r");
    if (end == std::string::npos) return 0.0;
    auto digits = [&text](std::size_t at) {
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
        return at;
    };
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    std::size_t afterWhole = digits(end);
    std::size_t afterFraction = afterWhole;
    if (afterWhole < text.size() && text[afterWhole] == '.') afterFraction = digits(afterWhole + 1);
    if (afterFraction == end || (afterWhole == end && afterFraction == end + 1))
        return 0.0;  // no digit at all
    std::size_t numberEnd = afterFraction;
    if (numberEnd < text.size() && (text[numberEnd] == 'e' || text[numberEnd] == 'E')) {
        std::size_t exponent = numberEnd + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (digits(exponent) > exponent) numberEnd = digits(exponent);
    }
    const double value = std::strtod(text.substr(0, numberEnd).c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace quillmap
