// What the route tools report when they refuse their input: the message names the file,
// the line or the waypoint at fault; nothing has been written when it is thrown.
#pragma once

#include <stdexcept>
#include <string>

namespace flightplan {

class PlanError : public std::runtime_error {
public:
    explicit PlanError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace flightplan
