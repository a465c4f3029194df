#include "HostServiceCalls.h"

#include "GaugeRecords.h"

namespace gauge {

HostServices& Host()
{
    return *static_cast<HostServices*>(ImportTable[0].address);
}

}  // namespace gauge
