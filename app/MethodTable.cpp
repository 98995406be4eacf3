#include "app/MethodTable.h"

#include "camber/gui/CamberMethodFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "llt/gui/LltMethodFrame.h"
#include "panel3d/gui/Panel3dMethodFrame.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "vlm/gui/VlmMethodFrame.h"

namespace {

template <class Frame>
wxFrame* Create(const wxString& title, const wxSize& size) {
    return new Frame(title, wxDefaultPosition, size);
}

}  // namespace

const std::vector<LuvoMethod>& LuvoMethods() {
    static const std::vector<LuvoMethod> methods = {
        {L"Skelett-Theorie", L"Gewählt: Skelett-Theorie", L" Luvo - Skelett-Theorie",
         wxSize(420, 380), Create<CamberMethodFrame>},
        {L"3D Panelverfahren", L"Gewählt: 3D Panelverfahren", L" Luvo - 3D Panelverfahren",
         wxSize(420, 760), Create<Panel3dMethodFrame>},
        {L"Einfache Prandtl\u00b4sche Traglinientheorie",
         L"Gewählt: Einfache Prandtl\u00b4sche Traglinientheorie",
         L" Luvo - Einfaches Traglinienverfahren", wxSize(475, 380), Create<LltMethodFrame>},
        {L"Erweiterte Traglinienverfahren", L"Gewählt: Erweitertes Traglinienverfahren",
         L" Luvo - Erweitertes Traglinienverfahren", wxSize(465, 380), Create<EtlMethodFrame>},
        {L"Wirbelleiterverfahren", L"Gewählt: Wirbelleiterverfahren",
         L" Luvo - Wirbelleiterverfahren", wxSize(420, 380), Create<VlmMethodFrame>},
        {L"Überschallberechnung", L"Gewählt: Überschallberechnung", L" Luvo - Überschallverfahren",
         wxSize(420, 380), Create<SupersonicMethodFrame>},
    };
    return methods;
}
