// Move-only owners of Win32 handles.
#pragma once
#include <windows.h>

#include <utility>

namespace ui {

template <class H, auto Free, H Empty = H{}>
class Unique {
public:
    explicit Unique(H h = Empty) : h_(h) {}
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Empty)) {}
    Unique& operator=(Unique o) noexcept {
        std::swap(h_, o.h_);
        return *this;
    }
    Unique(const Unique&) = delete;
    ~Unique() {
        if (h_ != Empty) Free(h_);
    }
    H Get() const { return h_; }
    explicit operator bool() const { return h_ != Empty; }

private:
    H h_;
};

inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void CloseFileHandle(HANDLE h) { CloseHandle(h); }
inline void CloseFind(HANDLE h) { FindClose(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
inline void DestroyMenuHandle(HMENU h) { DestroyMenu(h); }
inline void DeleteEnhMetafile(HENHMETAFILE h) { DeleteEnhMetaFile(h); }

using FontHandle = Unique<HFONT, &DeleteGdiObject>;
using BitmapHandle = Unique<HBITMAP, &DeleteGdiObject>;
using IconHandle = Unique<HICON, &DestroyIconHandle>;
using MenuHandle = Unique<HMENU, &DestroyMenuHandle>;
using EnhMetafileHandle = Unique<HENHMETAFILE, &DeleteEnhMetafile>;
// INVALID_HANDLE_VALUE is not a constant expression: these hold nullptr when empty
// and the constructors below map INVALID_HANDLE_VALUE to it.
using FileHandle = Unique<HANDLE, &CloseFileHandle>;
using FindHandle = Unique<HANDLE, &CloseFind>;

inline FileHandle AdoptFile(HANDLE h) { return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }
inline FindHandle AdoptFind(HANDLE h) { return FindHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

}  // namespace ui
