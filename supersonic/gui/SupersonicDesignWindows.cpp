#include "supersonic/gui/SupersonicDesignWindows.h"

#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"

namespace supersonic {

SupersonicDesignFrame* CurrentDesignFrame() {
    if (g_partsFrameOpen()) return g_partsFrame.get();
    if (g_contourFrameOpen()) return g_contourFrame.get();
    return nullptr;
}

}  // namespace supersonic
