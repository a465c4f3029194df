// The host's service table, as stored by the host in the import table. The gauge reads
// the word afresh before every service call.
#pragma once

#include "PanelRecords.h"

namespace gauge {

HostServices& Host();

}  // namespace gauge
