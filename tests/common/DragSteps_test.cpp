#include "common/DragSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Event {
    bool pressed, dragging, released;
    int x, y;
    bool step;
};

// A press, two motions, then a release: the release acts only where the last motion did not.
TEST(DragSteps, ReleaseActsOnlyAwayFromTheLastMotion) {
    const struct Case {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        {"release where the last motion was",
         {{true, false, false, 0, 0, false},
          {false, true, false, 0, -5, true},
          {false, false, true, 0, -5, false}}},
        {"release beyond merged motions",
         {{true, false, false, 0, 0, false},
          {false, true, false, 0, -5, true},
          {false, false, true, 0, -20, true}}},
        {"release without a drag",
         {{true, false, false, 0, 0, false}, {false, false, true, 0, -20, false}}},
        {"a second release after the drag ended",
         {{false, true, false, 3, 3, true},
          {false, false, true, 4, 4, true},
          {false, false, true, 9, 9, false}}},
        {"a new press forgets the old drag",
         {{false, true, false, 3, 3, true},
          {true, false, false, 0, 0, false},
          {false, false, true, 9, 9, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        luvo::DragSteps steps;
        for (const Event& e : c.events) {
            EXPECT_EQ(steps.IsStep(e.pressed, e.dragging, e.released, e.x, e.y), e.step);
        }
    }
}

}  // namespace
