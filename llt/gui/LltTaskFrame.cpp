#include "llt/gui/LltTaskFrame.h"

#include "llt/gui/LltModule.h"

namespace {

luvo::TaskFrameSetup CommonSetup(const LltTaskFrameSetup& s) {
    luvo::TaskFrameSetup c = s;
    c.checks = &LltCheckTable(s.window);
    // The label's text is the name, blanks included.
    c.trimFileName = false;
    return c;
}

}  // namespace

LltTaskFrame::LltTaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style, const LltTaskFrameSetup& setup)
    : luvo::TaskFrame(title, pos, size, style, CommonSetup(setup)), writeFile_(setup.writeFile) {}

luvo::TaskFrame::Result LltTaskFrame::ComputeResult() {
    Accepted accepted = ComputeAccepted();
    llt::currentSolver = accepted.record;
    auto write = writeFile_;
    std::shared_ptr<LltSolver> record = accepted.record;
    return {std::move(accepted.drawPlots),
            [record, write](const std::string& name) { ((*record).*write)(name); }};
}
