#include "TableDialogHold.h"

namespace {

int openTableDialogs = 0;

}  // namespace

TableDialogScope::TableDialogScope() { ++openTableDialogs; }

TableDialogScope::~TableDialogScope() { --openTableDialogs; }

bool TableDialogOpen() { return openTableDialogs > 0; }
