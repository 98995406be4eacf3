#include "llt/LltTaskFrame.h"

#include "llt/LltModule.h"

namespace {

luvo::TaskFrameSetup CommonSetup(const LltTaskFrameSetup& s) {
    luvo::TaskFrameSetup c;
    c.checks = &LltCheckTable(s.window);
    c.statusFields = s.statusFields;
    c.status = s.status;
    // The label's text is the name, blanks included.
    c.fileName = s.fileName;
    c.trimFileName = false;
    c.dialogFile = s.dialogFile;
    c.infoText = s.infoText;
    c.infoCaption = s.infoCaption;
    c.statusAfterInfo = s.statusAfterInfo;
    c.open = s.open;
    c.isModuleWindow = s.isModuleWindow;
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
