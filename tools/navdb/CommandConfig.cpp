// navdb config DIR [FIELD=VALUE ...]: prints the one record of DIR/CONFIG.DBF, the gauge's
// saved state, one FIELD=VALUE a line; with assignments it sets those fields first, so that
// a scenario or a user can prepare the unit: switched on, its active waypoint, a route.
// Numeric fields take numbers, character fields text (a route is 9 characters a waypoint:
// the table digit 1 airport, 2 navaid, 3 user waypoint, then the 8-character NUM).
#include "NavdbCommand.h"
#include "NavigationTables.h"
#include "TableEngine.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <strings.h>
#include <vector>

namespace {

const nav::FieldDefinition* findField(const std::string& name) {
    for (const nav::FieldDefinition& field : nav::configTable.fields)
        if (strcasecmp(field.name, name.c_str()) == 0) return &field;
    return nullptr;
}

std::string trimmed(const char* text) {
    std::string value(text);
    value.erase(value.find_last_not_of(' ') + 1);
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

// One FIELD=VALUE, checked against the field before anything is written.
struct Assignment {
    const nav::FieldDefinition* field;
    std::string text;   // character fields
    double number;      // numeric fields
};

bool parseAssignment(const std::string& source, Assignment& assignment) {
    std::size_t equals = source.find('=');
    const nav::FieldDefinition* field = equals == std::string::npos ? nullptr : findField(source.substr(0, equals));
    if (!field) {
        std::fprintf(stderr, "navdb config: '%s' is not FIELD=VALUE with a field of CONFIG\n", source.c_str());
        return false;
    }
    assignment = {field, source.substr(equals + 1), 0.0};
    const std::string& value = assignment.text;
    if (field->type == 'C') {
        if (static_cast<int>(value.size()) <= field->width) return true;
        std::fprintf(stderr, "navdb config: %s takes at most %d characters\n", field->name, field->width);
        return false;
    }
    char* end = nullptr;
    errno = 0;
    bool ok = !value.empty();
    if (field->decimals > 0) {
        assignment.number = std::strtod(value.c_str(), &end);
    } else {
        long whole = std::strtol(value.c_str(), &end, 10);
        ok = ok && whole >= -32768 && whole <= 32767;
        assignment.number = static_cast<double>(whole);
    }
    if (ok && *end == '\0' && errno == 0) return true;
    std::fprintf(stderr, "navdb config: %s takes a%s number, not '%s'\n", field->name,
                 field->decimals > 0 ? "" : " whole", value.c_str());
    return false;
}

void write(const Assignment& assignment) {
    const nav::FieldDefinition& field = *assignment.field;
    if (field.type == 'C') {
        FieldReplace(field.name, SDE_TEXT, assignment.text.c_str());
    } else if (field.decimals > 0) {
        FieldReplace(field.name, SDE_DOUBLE, &assignment.number);
    } else {
        int whole = static_cast<int>(assignment.number);
        FieldReplace(field.name, SDE_INTEGER, &whole);
    }
}

int runConfig(const std::vector<std::string>& arguments) {
    std::vector<Assignment> assignments(arguments.size() - 1);
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (!parseAssignment(arguments[i], assignments[i - 1])) return 2;

    std::string path = nav::tablePath(nav::PathForm::Rebuild, directoryWithSeparator(arguments[0]).c_str(),
                                      nav::configAlias);
    if (!TableOpen(path.c_str(), nav::configAlias, assignments.empty() ? SDE_READONLY : SDE_SHARED, SDE_KIND_DBF)) {
        std::fprintf(stderr, "navdb config: cannot open %s\n", path.c_str());
        return 1;
    }
    TableSetPassword(nav::tablePassword);
    RecordGoTop();
    int status = 0;
    if (RecordAtEof()) {
        std::fprintf(stderr, "navdb config: %s has no record\n", path.c_str());
        status = 1;
    } else {
        for (const Assignment& assignment : assignments) write(assignment);
        for (const nav::FieldDefinition& field : nav::configTable.fields)
            std::printf("%s=%s\n", field.name, trimmed(FieldGetString(field.name)).c_str());
    }
    TableCloseAll();
    return status;
}

const NavdbCommandRegistration registration({"config", "DIR [FIELD=VALUE ...]",
                                             "prints the gauge's saved state in DIR/CONFIG.DBF, or sets fields of it",
                                             1, runConfig, true});

}  // namespace
