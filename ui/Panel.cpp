#include "ui/Panel.h"

namespace ui {

void Panel::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT) {
    CreateOwnClass("RokabinaPanel", 0, parent, id, text, b);
}

void Panel::Paint(HDC dc, const RECT& client) {
    RECT edge = client;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
}

}  // namespace ui
