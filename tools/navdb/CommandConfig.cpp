// navdb config DIR [FIELD=VALUE ...]: prints the one record of DIR/CONFIG.DBF, the gauge's
// saved state, one FIELD=VALUE a line; with assignments it sets those fields first, so that
// a scenario or a user can prepare the unit: switched on, its active waypoint, a route.
// Numeric fields take numbers, character fields text (a route is 9 characters a waypoint:
// the table digit 1 airport, 2 navaid, 3 user waypoint, then the 8-character NUM).
#include "AsciiText.h"
#include "NavdbCommand.h"
#include "NavigationTables.h"
#include "PlainNumber.h"
#include "FieldValues.h"
#include "TableEngine.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace navdb {

namespace {

// One FIELD=VALUE, checked against the field before anything is written.
struct Assignment {
    const nav::FieldDefinition* field;
    std::string text;  // character fields
    double number;     // numeric fields
};

// Whether `value`, written with the field's decimals, fits its width; a value that does not
// would be stored as asterisks, which read back as 0.
bool Fits(const nav::FieldDefinition& field, double value)
{
    char written[64];
    int length = std::snprintf(written, sizeof written, "%.*f", field.decimals, value);
    return std::isfinite(value) && length > 0 && length <= field.width;
}

// `digits` nines before the point and the field's decimals after it.
double Nines(int digits, const nav::FieldDefinition& field)
{
    return std::pow(10.0, digits) - std::pow(10.0, -field.decimals);
}

// The range of the field, in the words of a refusal: the minus sign takes one place.
std::string RangeOf(const nav::FieldDefinition& field)
{
    int whole = field.width - (field.decimals > 0 ? field.decimals + 1 : 0);
    char range[96];
    std::snprintf(range, sizeof range, "a %snumber from %.*f to %.*f",
                  field.decimals > 0 ? "" : "whole ", field.decimals, -Nines(whole - 1, field),
                  field.decimals, Nines(whole, field));
    return range;
}

nav::Status ParseAssignment(const std::string& source, Assignment& assignment)
{
    std::size_t equals = source.find('=');
    const std::string name = source.substr(0, equals);
    const nav::FieldDefinition* field =
        equals == std::string::npos ? nullptr : nav::FindField(nav::ConfigTable, name.c_str());
    if (!field) return nav::Fail("'" + source + "' is not FIELD=VALUE with a field of CONFIG");
    assignment = {field, source.substr(equals + 1), 0.0};
    const std::string& value = assignment.text;
    if (field->type == 'C') {
        if (static_cast<int>(value.size()) <= field->width) return {};
        return nav::Fail(std::string(field->name) + " takes at most " +
                         std::to_string(field->width) + " characters");
    }
    if (!value.empty() && IsPlainNumber(value, field->decimals > 0)) {
        assignment.number = std::strtod(value.c_str(), nullptr);
        if (Fits(*field, assignment.number)) return {};
    }
    return nav::Fail(std::string(field->name) + " takes " + RangeOf(*field) + ", not '" + value +
                     "'");
}

void Write(const Assignment& assignment)
{
    const nav::FieldDefinition& field = *assignment.field;
    if (field.type == 'C')
        nav::ReplaceText(field.name, assignment.text.c_str());
    else if (field.decimals > 0)
        nav::ReplaceDouble(field.name, assignment.number);
    else
        nav::ReplaceInteger(field.name, static_cast<int32_t>(assignment.number));
}

CommandResult RunConfig(const std::vector<std::string>& arguments)
{
    std::vector<Assignment> assignments(arguments.size() - 1);
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (nav::Status parsed = ParseAssignment(arguments[i], assignments[i - 1]); !parsed)
            return parsed;

    std::string path = nav::TablePath(
        nav::PathForm::Rebuild, DirectoryWithSeparator(arguments[0]).c_str(), nav::ConfigAlias);
    if (!TableOpen(path.c_str(), nav::ConfigAlias, assignments.empty() ? SDE_READONLY : SDE_SHARED,
                   SDE_KIND_DBF))
        return nav::Fail("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    RecordGoTop();
    if (RecordAtEof()) {
        TableCloseAll();
        return nav::Fail(path + " has no record");
    }
    for (const Assignment& assignment : assignments) Write(assignment);
    for (const nav::FieldDefinition& field : nav::ConfigTable.fields)
        std::printf("%s=%s\n", field.name,
                    std::string(nav::Trimmed(FieldGetString(field.name))).c_str());
    TableCloseAll();
    return {};
}

const CommandRegistration registration(
    {"config", "DIR [FIELD=VALUE ...]",
     "prints the gauge's saved state in DIR/CONFIG.DBF, or sets fields of it", 1, RunConfig, true});

}  // namespace

}  // namespace navdb
