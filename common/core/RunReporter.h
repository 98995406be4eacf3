#pragma once
// What a long 3D run tells the user while it blocks the event loop: the width of the progress bar
// and the phase texts of the starting window's status line. The solvers only know this interface;
// the windows implement it, and a headless run passes none.

#include <string>

namespace luvo {

class RunReporter {
  public:
    virtual ~RunReporter() = default;
    // The filled width of the progress bar in pixels (180 is the whole bar).
    virtual void SetProgress(int pixels) = 0;
    // The bar at a percentage, for runs that report their progress in per cent; a window that
    // draws pixels gets trunc(1.8 p) of them.
    virtual void SetPercent(double percent) { SetProgress(static_cast<int>(1.8 * percent)); }
    // A text for a field of the starting window's status line, UTF-8.
    virtual void SetStatus(int field, const std::string& text) = 0;
};

// The solvers' side of a reporter: passes a width on only when it differs from the last one
// reported, so that a loop stepping the bar redraws it only when a pixel changes; with no
// reporter every call does nothing.
class RunProgress {
  public:
    explicit RunProgress(RunReporter* reporter) : reporter_(reporter) {}

    // Whether anything is shown: a headless run need not stop at the bar's steps.
    bool Reports() const { return reporter_ != nullptr; }

    void SetProgress(int pixels) {
        if (reporter_ != nullptr && pixels != lastPixels_) {
            lastPixels_ = pixels;
            reporter_->SetProgress(pixels);
        }
    }

    // A percentage p drawn as trunc(1.8 p) pixels.
    void SetPercent(double percent) { SetProgress(static_cast<int>(1.8 * percent)); }

    // The bar at p per cent, passed on as it is at every call: the panel run draws its bar
    // afresh at each of its fixed points.
    void ReportPercent(double percent) {
        if (reporter_ != nullptr) {
            reporter_->SetPercent(percent);
        }
    }

    void SetStatus(int field, const std::string& text) {
        if (reporter_ != nullptr) {
            reporter_->SetStatus(field, text);
        }
    }

  private:
    RunReporter* reporter_;
    int lastPixels_ = -1;
};

}  // namespace luvo
