// The engine has one current table, and the Direct-To dialog keeps a waypoint table open
// and positioned between its messages while the one-second timer keeps ticking inside its
// modal loop. A tick's only table work is the route advance (it closes every table and
// opens the next waypoint's), so that work waits while such a dialog is open; the first
// tick after the dialog closes catches up (Navigation.h).
#pragma once

namespace gauge {

// Held for as long as a dialog that works on the tables is open; scopes nest.
class TableDialogScope {
public:
    TableDialogScope();
    ~TableDialogScope();
    TableDialogScope(const TableDialogScope&) = delete;
    TableDialogScope& operator=(const TableDialogScope&) = delete;
};

bool TableDialogOpen();

}  // namespace gauge
