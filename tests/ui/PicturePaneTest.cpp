// A pane given a picture decoded for its size decodes it again for another
// size only where the picture would come out otherwise: a picture brought
// down for any other size, one smaller than its pane only for a pane smaller
// than itself, each direction on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/Form.h"
#include "ui/PicturePane.h"

namespace {

class PaneForm : public ui::Form {
public:
    PaneForm() {
        CreateForm({"RokabinaPicturePaneTestForm", "pane", {40, 40, 400, 300}, WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12},
                   ui::Application::Instance().Handle());
        pane = &static_cast<ui::PicturePane&>(
            AddControl(std::make_unique<ui::PicturePane>("Pane"), "", {0, 0, 10, 10}, Font()));
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);  // panes paint on the screen only
    }
    // The pane at that size in device pixels, painted.
    void PaintAt(SIZE size) {
        MoveWindow(pane->Handle(), 0, 0, size.cx, size.cy, FALSE);
        RedrawWindow(pane->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    ui::PicturePane* pane = nullptr;
};

ui::Graphic Bitmap(SIZE size) {
    HDC screen = GetDC(nullptr);
    ui::BitmapHandle bitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
    ReleaseDC(nullptr, screen);
    return ui::Graphic::FromBitmap(std::move(bitmap), size.cx, size.cy);
}

// A picture of its own size decoded as the picture module does: brought
// down to the size drawn where larger, and told how to decode again.
ui::Graphic Decoded(SIZE own, SIZE drawn, std::vector<SIZE>& decodes) {
    ui::Graphic picture = Bitmap({std::min(own.cx, drawn.cx), std::min(own.cy, drawn.cy)});
    picture.SetReload(
        [own, &decodes](SIZE size) {
            decodes.push_back(size);
            return Decoded(own, size, decodes);
        },
        drawn);
    return picture;
}

struct Case {
    SIZE own;
    std::vector<SIZE> panes;           // the first is the size decoded for
    std::vector<bool> decodedAgain;    // at each pane after the first
};

TEST(PicturePane, DecodesAgainOnlyWhereThePictureWouldComeOutOtherwise) {
    const Case cases[] = {
        {{4032, 3024}, {{177, 73}, {177, 73}, {200, 80}, {200, 80}, {100, 50}}, {false, true, false, true}},
        {{50, 40}, {{177, 73}, {200, 100}, {50, 40}, {40, 40}, {60, 60}}, {false, false, true, true}},
        {{400, 50}, {{177, 73}, {177, 100}, {150, 100}, {150, 30}}, {false, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.own.cx) + " x " + std::to_string(c.own.cy));
        PaneForm form;
        std::vector<SIZE> decodes;
        form.pane->SetPicture(Decoded(c.own, c.panes[0], decodes));
        for (size_t i = 1; i < c.panes.size(); ++i) {
            const size_t before = decodes.size();
            form.PaintAt(c.panes[i]);
            EXPECT_EQ(decodes.size() > before, c.decodedAgain[i - 1]) << "at pane " << i;
            if (decodes.size() > before) EXPECT_EQ(decodes.back().cx * 10000 + decodes.back().cy,
                                                  c.panes[i].cx * 10000 + c.panes[i].cy);
        }
    }
}

}  // namespace
