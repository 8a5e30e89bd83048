// Scoped device contexts, selections, saved states and redraw locks undo
// what they did when their scope ends.
#include "ui/ScopedGdi.h"

#include <gtest/gtest.h>

#include <functional>

#include "ui/Handles.h"
#include "ui/Window.h"

namespace {

struct SelectionCase {
    const char* what;
    UINT type;  // OBJ_PEN, OBJ_BRUSH...
    std::function<HGDIOBJ()> make;
};

TEST(ScopedGdi, ASelectionPutsBackTheObjectItReplaced) {
    const SelectionCase cases[] = {
        {"pen", OBJ_PEN, [] { return HGDIOBJ(CreatePen(PS_SOLID, 3, RGB(200, 0, 0))); }},
        {"brush", OBJ_BRUSH, [] { return HGDIOBJ(CreateSolidBrush(RGB(0, 200, 0))); }},
        {"font", OBJ_FONT, [] { return HGDIOBJ(CreateFontA(-20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial")); }},
        {"bitmap", OBJ_BITMAP, [] { return HGDIOBJ(CreateBitmap(4, 4, 1, 1, nullptr)); }},
    };
    ui::MemoryDc dc(nullptr);
    ASSERT_NE(dc.Handle(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui::Unique<HGDIOBJ, &ui::DeleteGdiObject> object(c.make());
        const HGDIOBJ before = GetCurrentObject(dc.Handle(), c.type);
        {
            ui::Selection selected(dc.Handle(), object.Get());
            EXPECT_EQ(GetCurrentObject(dc.Handle(), c.type), object.Get());
        }
        EXPECT_EQ(GetCurrentObject(dc.Handle(), c.type), before);
    }
}

TEST(ScopedGdi, AMemoryContextIsDeletedAndASavedStateRestoredOnLeaving) {
    HDC memory;
    {
        ui::MemoryDc dc(nullptr);
        memory = dc.Handle();
        EXPECT_EQ(GetObjectType(memory), DWORD(OBJ_MEMDC));
        SetStretchBltMode(memory, BLACKONWHITE);
        {
            ui::SavedDcState saved(memory);
            SetStretchBltMode(memory, HALFTONE);
            SetBrushOrgEx(memory, 3, 5, nullptr);
        }
        EXPECT_EQ(GetStretchBltMode(memory), BLACKONWHITE);
        POINT origin{-1, -1};
        GetBrushOrgEx(memory, &origin);
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(origin.y, 0);
    }
    EXPECT_EQ(GetObjectType(memory), 0u);
}

class Canvas : public ui::Window {
public:
    Canvas() {
        RegisterWindowClass("RokabinaScopedGdiTestCanvas", COLOR_WINDOW);
        CreateHandle(0, "RokabinaScopedGdiTestCanvas", "", WS_POPUP | WS_VISIBLE, 20, 20, 80, 60, nullptr);
        ValidateRect(hwnd_, nullptr);
    }
};

TEST(ScopedGdi, ARedrawLockStopsDrawingAndRedrawsTheWholeWindowOnce) {
    Canvas canvas;
    ASSERT_TRUE(IsWindowVisible(canvas.Handle()));
    {
        ui::RedrawLock lock(canvas.Handle());
        EXPECT_FALSE(IsWindowVisible(canvas.Handle()));  // to drawing, the window is hidden
    }
    EXPECT_TRUE(IsWindowVisible(canvas.Handle()));
    RECT update{}, client{};
    ASSERT_TRUE(GetUpdateRect(canvas.Handle(), &update, FALSE));
    GetClientRect(canvas.Handle(), &client);
    EXPECT_TRUE(EqualRect(&update, &client));
}

}  // namespace
