#include "supersonic/SupersonicDesignWindows.h"

#include "supersonic/SupersonicContourFrame.h"
#include "supersonic/SupersonicModule.h"
#include "supersonic/SupersonicPartsFrame.h"

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
