#include "TableDialogHold.h"

namespace gauge {

namespace {

int openTableDialogs = 0;

}  // namespace

TableDialogScope::TableDialogScope()
{
    ++openTableDialogs;
}

TableDialogScope::~TableDialogScope()
{
    --openTableDialogs;
}

bool TableDialogOpen()
{
    return openTableDialogs > 0;
}

}  // namespace gauge
