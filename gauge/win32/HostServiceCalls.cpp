#include "HostServiceCalls.h"

#include "GaugeRecords.h"

HostServices& Host()
{
    return *static_cast<HostServices*>(ImportTable[0].address);
}
