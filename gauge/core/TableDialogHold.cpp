#include "TableDialogHold.h"

#include "GaugeState.h"

namespace gauge {

TableDialogScope::TableDialogScope()
{
    ++gaugeState.openTableDialogs;
}

TableDialogScope::~TableDialogScope()
{
    --gaugeState.openTableDialogs;
}

bool TableDialogOpen()
{
    return gaugeState.openTableDialogs > 0;
}

}  // namespace gauge
