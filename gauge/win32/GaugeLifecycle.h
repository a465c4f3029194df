// The gauge routines the host calls through the gauge header, and the module's
// do-nothing init and deinit routine named in Linkage.
#pragma once

#include "PanelRecords.h"

namespace gauge {

void GAUGE_CALL ModuleInitDeinit();
int32_t GAUGE_CALL QueryGauge();
void GAUGE_CALL InstallGauge(HostWord argument);
void GAUGE_CALL InitializeGauge();
void GAUGE_CALL UpdateGauge();
void GAUGE_CALL GenerateGauge(uint32_t phase);
void GAUGE_CALL DrawGauge();
void GAUGE_CALL KillGauge();

}  // namespace gauge
