// A scratch copy of the sample database per test, with helpers to add waypoints, write
// plan files and read what the route tools wrote.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "PlanWaypoints.h"
#include "Result.h"

class RoutePlanTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The data directory, ending with a separator.
    std::string Directory() const { return directory_.string() + "/"; }
    std::string PathOf(const std::string& name) const { return (directory_ / name).string(); }

    // Appends a record to NAVAIDS ("NDB", "VORDME", ...) or USERS (type empty).
    void AddWaypoint(const char* table, const char* num, const char* id, const char* name,
                     double latitude, double longitude, const char* type = "");
    // The NUM of every USERS record, in record order.
    std::vector<std::string> UserNums();
    // A CONFIG field as stored, trailing blanks cut.
    std::string ConfigField(const char* field);

    std::filesystem::path directory_;
};

std::string FileBytes(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The value of a result the test needs; a failure ends the test with its message.
template <class T>
T Succeeded(nav::Expected<T> result)
{
    if (!result) throw std::runtime_error(result.Message());
    return std::move(*result);
}

// A route text of entries "1" + NUM, ... padded with blank entries to 270 characters.
std::string RouteText(const std::vector<std::string>& entries);

// Runs navdb with `arguments`; its standard output and error in `output`; the exit status.
int RunNavdb(const std::vector<std::string>& arguments, std::string& output);
