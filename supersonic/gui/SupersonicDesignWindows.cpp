#include "supersonic/gui/SupersonicDesignWindows.h"

#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"

SupersonicDesignFrame* CurrentDesignFrame() {
    if (g_partsFrameOpen) return g_partsFrame;
    if (g_contourFrameOpen) return g_contourFrame;
    return nullptr;
}

void ReadInputs() {
    if (SupersonicDesignFrame* window = CurrentDesignFrame()) window->ReadInputs();
}

void ShowResults() {
    if (SupersonicDesignFrame* window = CurrentDesignFrame()) window->ShowResults();
}
