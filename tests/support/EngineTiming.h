// The clone engine's timing for tests: no fixed pauses and short
// time-outs, so that failure paths end quickly. The radio on the other end
// is the virtual one, which needs no pauses.
#pragma once

#include "transport/CloneRsEngine.h"

inline CCloneRsEngine::STiming FastEngineTiming() {
    CCloneRsEngine::STiming timing;
    timing.requestPause = 0;
    timing.firstDataPause = 0;
    timing.closePause = 0;
    timing.frameTimeout = 400;
    timing.progressInterval = 10;
    return timing;
}
