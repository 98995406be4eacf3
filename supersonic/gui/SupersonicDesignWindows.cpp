#include "supersonic/gui/SupersonicDesignWindows.h"

#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"

SupersonicDesignFrame* CurrentDesignFrame() {
    if (supersonic::g_partsFrameOpen()) return supersonic::g_partsFrame.get();
    if (supersonic::g_contourFrameOpen()) return supersonic::g_contourFrame.get();
    return nullptr;
}

void ReadInputs() {
    if (SupersonicDesignFrame* window = CurrentDesignFrame()) window->ReadInputs();
}

void ShowResults() {
    if (SupersonicDesignFrame* window = CurrentDesignFrame()) window->ShowResults();
}
