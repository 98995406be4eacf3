#pragma once
// Windows that exist at most once, after one of them has ended: the way that opens it must never
// bring the ended window back.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/weakref.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "common/gui/LuvoFrame.h"
#include "common/gui/TaskChoiceFrame.h"
#include "tests/support/GuiHarness.h"

namespace luvo::test {

// One task of the method window's radio box (in its order): the window's title, the module's
// reference to the window and whether the module counts it as open.
struct SingleTaskWindow {
    const wchar_t* title;
    wxFrame* (*window)();
    bool (*open)();
};

// Each task window, opened by "&OK", ends in three ways: it is closed and asked for again before
// the program is next idle, or it is destroyed past its close handler and asked for again before
// or after its deletion. Either way the next "&OK" builds a fresh window and shows it, the old one
// stays hidden, and the old window's deletion leaves the fresh one to the module.
inline void ExpectEndedTaskWindowsNeverShownAgain(TaskChoiceFrame* method,
                                                  const std::vector<SingleTaskWindow>& windows) {
    const struct {
        const char* how;
        void (*end)(wxFrame*);
        bool idleBeforeOk;
    } ends[] = {
        {"closed, \"&OK\" before the next idle time", [](wxFrame* f) { f->Close(true); }, false},
        {"destroyed past its close handler, \"&OK\" before the next idle time",
         [](wxFrame* f) { f->Destroy(); }, false},
        {"destroyed past its close handler, \"&OK\" once it is deleted",
         [](wxFrame* f) { f->Destroy(); }, true},
    };
    for (size_t task = 0; task < windows.size(); ++task) {
        const SingleTaskWindow& w = windows[task];
        for (const auto& e : ends) {
            SCOPED_TRACE(testing::Message() << "task " << task << ", " << e.how);
            SelectRadio(method->taskRadio, static_cast<int>(task));
            Click(method->okButton);
            ASSERT_TRUE(w.open());
            wxWeakRef<wxFrame> old(w.window());
            e.end(old);
            if (e.idleBeforeOk) {
                wxTheApp->ProcessIdle();
                ASSERT_FALSE(old);
            }
            EXPECT_FALSE(w.open());

            Click(method->okButton);
            ASSERT_TRUE(w.open());
            wxFrame* fresh = w.window();
            EXPECT_NE(fresh, old.get());
            EXPECT_TRUE(fresh->IsShown());
            EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(fresh));
            if (old) {
                EXPECT_FALSE(old->IsShown());
            }

            wxTheApp->ProcessIdle();
            EXPECT_FALSE(old);
            EXPECT_EQ(w.window(), fresh);
            EXPECT_EQ(FindFrame(wxString(w.title)), fresh);
            fresh->Close(true);
            wxTheApp->ProcessIdle();
        }
    }
}

// An input window that exists at most once, opened by a way of its own (a chooser, a button of
// another window): `open` opens or shows it, `isOpen` and `current` answer from the module, and
// `afterDeleted` checks what else must hold once it is gone.
struct SingleInputWindow {
    const char* name;
    std::function<void()> open;
    std::function<bool()> isOpen;
    std::function<wxFrame*()> current;
    std::function<void()> afterDeleted = [] {};
};

// Each window is deleted past its close handler, destroyed past it and asked for again before
// its deletion, and closed through its menu and asked for again before its deletion: every time
// the next opening builds a fresh window and shows it, the old one stays hidden, and once the
// old one is deleted the module names the fresh one.
inline void ExpectGoneInputWindowsRebuilt(const std::vector<SingleInputWindow>& windows) {
    auto expectFresh = [](const SingleInputWindow& w, wxFrame* old) {
        wxWeakRef<wxFrame> oldRef(old);
        w.open();
        wxFrame* fresh = w.current();
        ASSERT_NE(fresh, nullptr);
        EXPECT_NE(fresh, old);
        EXPECT_TRUE(fresh->IsShown());
        if (oldRef) {
            EXPECT_FALSE(old->IsShown());
        }
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(oldRef);
        EXPECT_TRUE(w.isOpen());
        EXPECT_EQ(w.current(), fresh);
        EXPECT_TRUE(fresh->IsShown());
        const std::vector<wxFrame*> open = OpenFrames();
        EXPECT_NE(std::find(open.begin(), open.end(), fresh), open.end());
    };
    for (const SingleInputWindow& w : windows) {
        SCOPED_TRACE(w.name);
        w.open();
        wxFrame* old = w.current();
        ASSERT_NE(old, nullptr);

        // Deleted past its close handler.
        wxWeakRef<wxFrame> oldRef(old);
        old->Destroy();
        wxTheApp->ProcessIdle();
        ASSERT_FALSE(oldRef);
        EXPECT_FALSE(w.isOpen());
        w.afterDeleted();
        expectFresh(w, nullptr);

        // Destroyed past its close handler, asked for again before its deletion.
        wxFrame* destroyed = w.current();
        destroyed->Destroy();
        EXPECT_FALSE(w.isOpen());
        expectFresh(w, destroyed);

        // Closed through its menu, asked for again before its deletion.
        wxFrame* closed = w.current();
        SendMenu(closed, kIdMenuClose);
        EXPECT_FALSE(w.isOpen());
        expectFresh(w, closed);
    }
}

}  // namespace luvo::test
