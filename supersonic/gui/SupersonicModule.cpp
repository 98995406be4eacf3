#include "supersonic/gui/SupersonicModule.h"

#include "supersonic/core/SupersonicSolver.h"

SupersonicPartsFrame* g_partsFrame = nullptr;
bool g_partsFrameOpen = false;
SupersonicContourFrame* g_contourFrame = nullptr;
bool g_contourFrameOpen = false;
SupersonicProfile* g_profile = nullptr;
namespace {
SupersonicSolver g_theSolver;
}
SupersonicSolver* g_solver = &g_theSolver;
