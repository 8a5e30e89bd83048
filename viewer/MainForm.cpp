#include "viewer/MainForm.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "layout/LayoutKeys.h"
#include "layout/LayoutPath.h"
#include "picture/Picture.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/MessageBoxes.h"
#include "ui/ScopedGdi.h"
#include "ui/Shell.h"
#include "ui/Sound.h"
#include "viewer/AboutBox.h"
#include "viewer/BackgroundWalk.h"
#include "viewer/ProductInfo.h"
#include "viewer/WalkProgress.h"
#include "viewer/WindowsDirectoryRule.h"

namespace viewer {
namespace {

using namespace layout;

const ui::FormSpec kFormSpec{
    "TForm1", "ロカビナ", {429, 183, 185, 299},
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    "ＭＳ Ｐゴシック", 12};

// An element as the window declares it: at its start-up place, with the
// caption it shows where the layout gives none.
ui::ControlDecl<TForm1> Declared(const char* key, int tabOrder, void (TForm1::*handler)() = nullptr) {
    const LayoutElement& e = LayoutElementOf(key);
    return {e.name, ui::ControlKindOf(e.kind), e.caption, {e.startUp.left, e.startUp.top, e.startUp.width, e.startUp.height},
            tabOrder, handler};
}

const ui::ControlDecl<TForm1> kControls[] = {
    Declared(kImage1, -1),
    Declared(kImage2, -1),
    Declared(kListBox1, 1),
    Declared(kComboBox1, 0, &TForm1::ComboBox1Change),
    Declared(kButton1, 2, &TForm1::Button1Click),
    Declared(kButton2, 3, &TForm1::Button2Click),
};

// The control made from kControls for the element of that key, of the class its kind makes.
template <class T>
T* MadeFor(const std::vector<ui::Control*>& made, const char* key) {
    const std::string_view name = LayoutElementOf(key).name;
    for (size_t i = 0; i < std::size(kControls); ++i)
        if (kControls[i].name == name) return static_cast<T*>(made[i]);
    throw std::logic_error("the window declares no element " + std::string(name));
}

constexpr UINT kStopSound = MB_ICONHAND;  // 16

// A walk that takes longer shows its progress; the folders found are taken,
// and the progress repainted, this often.
constexpr DWORD kProgressAfterMs = 500;
constexpr DWORD kProgressEveryMs = 100;

// The walk of start-up below folder, keeping out of the Windows directory.
std::unique_ptr<BackgroundWalk> WalkBelow(const base::Path& folder) {
    return std::make_unique<BackgroundWalk>(folder, SkipWindowsDirectory(WindowsDirectory()));
}

// The picture element's file and the size the layout gives it at dpi.
PicturesAhead::Request PictureRequest(const ProfileFile& file, const char* key, UINT dpi) {
    return {base::ToWide(ReadViewerText(file, kFile, key)),
            {ui::Scale(ReadViewerInteger(file, kWidth, key), dpi), ui::Scale(ReadViewerInteger(file, kHeight, key), dpi)}};
}

// The picture elements, in the order start-up loads them.
const char* const kPictureKeys[] = {kImage1, kImage2};

// Decoded at the size the layout gives the pane (set after the pictures),
// taken from the decoding begun ahead where that was for the same.
void LoadPictureFrom(const ProfileFile& file, size_t index, ui::PicturePane& pane, PicturesAhead* ahead) {
    const PicturesAhead::Request wanted = PictureRequest(file, kPictureKeys[index], pane.Dpi());
    if (wanted.name.empty()) return;
    std::optional<ui::Graphic> decoded = ahead ? ahead->Take(index, wanted) : std::nullopt;
    pane.SetPicture(decoded ? *std::move(decoded) : picture::LoadPicture(wanted.name, wanted.drawn));
}

}  // namespace

StartupAhead StartAhead(const base::Path& exePath) {
    StartupAhead ahead;
    const base::Path layout = LayoutPathFor(exePath);
    if (!base::IsExistingFile(layout)) return ahead;
    const ProfileFile file(layout);
    if (ReadViewerFlag(file, kEnable, kComboBox1)) ahead.walk = WalkBelow(base::FolderPart(exePath));
    std::vector<PicturesAhead::Request> pictures;
    bool named = false;
    for (const char* key : kPictureKeys) {
        pictures.push_back(PictureRequest(file, key, ui::SystemDpi()));
        named = named || !pictures.back().name.empty();
    }
    if (named) ahead.pictures = std::make_unique<PicturesAhead>(std::move(pictures));
    return ahead;
}

TForm1::TForm1(base::Path exePath, StartupAhead ahead)
    : PopupMenu1({{"N1", "フォルダを開く", [this] { N1Click(); }},
                  {"About1", "バージョン情報", [this] { About1Click(); }},
                  {"Exit1", "終了", [this] { Exit1Click(); }}}),
      exePath_(std::move(exePath)),
      ahead_(std::move(ahead)) {
    CreateForm(kFormSpec);
    const std::vector<ui::Control*> made = CreateControls(*this, std::span<const ui::ControlDecl<TForm1>>(kControls), Font());
    for (size_t i = 0; i < kElementCount; ++i) elements_[i] = MadeFor<ui::Control>(made, LayoutElements()[i].key);
    Image1 = MadeFor<ui::PicturePane>(made, kImage1);
    Image2 = MadeFor<ui::PicturePane>(made, kImage2);
    ListBox1 = MadeFor<ui::ListBox>(made, kListBox1);
    ComboBox1 = MadeFor<ui::ComboBox>(made, kComboBox1);
    Button1 = MadeFor<ui::Button>(made, kButton1);
    Button2 = MadeFor<ui::Button>(made, kButton2);
    ListBox1->SetItemHeight(12);  // as the folder chooser's rows
    ListBox1->OnItemChosen = [this] { ListBox1DblClick(); };
    ComboBox1->ForwardContextMenuToParent();
    ui::Application::Instance().RunHandler([this] { FormCreate(); });
}

base::Path TForm1::LayoutPath() const { return LayoutPathFor(exePath_); }

void TForm1::FormCreate() {
    exeFolder_ = base::FolderPart(exePath_);
    if (!base::IsExistingFile(LayoutPath())) {
        ui::PlaySystemSound(kStopSound);
        ui::ShowErrorMessage(LayoutPathFor(base::FileNamePart(exePath_)) + base::ToWide("が見つかりません"));
        ui::Application::Instance().Terminate();
        return;
    }
    {
        ProfileFile file(LayoutPath());
        ApplyLayout(file);
    }  // closed here also when a step fails; the error then skips the listing
    ComboBox1Change();
}

void TForm1::ApplyLayout(const ProfileFile& f) {
    // Held here, so that a step failing below drops them with the rest.
    std::unique_ptr<BackgroundWalk> walk = std::move(ahead_.walk);
    const std::unique_ptr<PicturesAhead> pictures = std::move(ahead_.pictures);
    const std::span<const LayoutElement> elements = LayoutElements();
    for (size_t i = 0; i < elements.size(); ++i) elements_[i]->SetVisible(ReadViewerFlag(f, kEnable, elements[i].key));

    if (ReadViewerFlag(f, kEnable, kNotSizeChange)) ForbidResize();

    Button1->SetText(ReadViewerText(f, kCaption, kButton1));
    Button2->SetText(ReadViewerText(f, kCaption, kButton2));
    ComboBox1->SetText(ReadViewerText(f, kCaption, kComboBox1));
    SetCaption(ReadViewerText(f, kCaption, kForm));

    LoadPictureFrom(f, 0, *Image1, pictures.get());
    LoadPictureFrom(f, 1, *Image2, pictures.get());

    for (size_t i = 0; i < elements.size(); ++i) elements_[i]->SetWidth(ReadViewerInteger(f, kWidth, elements[i].key));
    for (size_t i = 0; i < elements.size(); ++i)
        if (elements[i].hasHeight) elements_[i]->SetHeight(ReadViewerInteger(f, kHeight, elements[i].key));
    for (size_t i = 0; i < elements.size(); ++i) elements_[i]->SetLeft(ReadViewerInteger(f, kLeft, elements[i].key));
    for (size_t i = 0; i < elements.size(); ++i) elements_[i]->SetTop(ReadViewerInteger(f, kTop, elements[i].key));

    // Set once from the width the list has now; never recomputed.
    ListBox1->SetScrollFactor(ReadViewerInteger(f, kScrollBar, kListBox1));

    SetClientSize(ReadViewerInteger(f, kWidth, kForm), ReadViewerInteger(f, kHeight, kForm));

    RemoveHiddenElements();

    if (ReadViewerFlag(f, kEnable, kComboBox1) && ComboBox1) {
        // One redraw for the whole tree instead of one per folder.
        ui::RedrawLock redraw(ComboBox1->Handle());
        if (!walk) walk = WalkBelow(exeFolder_);
        WalkFolders(*walk);
    }
}

// The window thread wakes for the walk's end, for input, and on a beat of
// its own, taking the folders found meanwhile in one batch (a wake-up for
// every few folders would cost the walk's own pace) and showing the progress
// window once the walk has run half a second, then repainting it.
void TForm1::WalkFolders(BackgroundWalk& walk) {
    std::unique_ptr<TWalkProgress> progress;
    const DWORD start = walk.StartedAt();  // it may have begun with the window
    DWORD nextBeat = kProgressEveryMs;     // since start
    bool quit = false;                     // the program was asked to end meanwhile
    while (!quit) {
        if (walk.Ended() || (progress && progress->StopAsked())) break;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= nextBeat) {
            for (const base::Path& folder : walk.TakeFound()) SearchDir1Find(folder);
            if (!progress && elapsed >= kProgressAfterMs)
                progress = std::make_unique<TWalkProgress>(ui::Application::Instance().Handle());
            if (progress) progress->ShowProgress(size_t(ComboBox1->Count()), walk.Reading());
            nextBeat = elapsed + kProgressEveryMs;
        }
        HANDLE signal = walk.Signal();
        MsgWaitForMultipleObjects(1, &signal, FALSE, nextBeat - std::min(nextBeat, GetTickCount() - start),
                                  QS_ALLINPUT);
        MSG msg;
        while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));  // for the program's own loop
                quit = true;
            } else if (!progress || !IsDialogMessageW(progress->Handle(), &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    walk.Stop();  // "中止": the walk ends at its next step
    // The whole walk's folders, or after "中止" those found by then: a prefix of them.
    for (const base::Path& folder : walk.TakeFound()) SearchDir1Find(folder);
    if (std::exception_ptr error = walk.Error()) std::rethrow_exception(error);
}

void TForm1::RemoveHiddenElements() {
    elements_ = {};
    // In the order of the layout's elements; each member goes with its window.
    const auto removeHidden = [this](auto*& element) {
        if (element && !element->Visible()) {
            Remove(*element);
            element = nullptr;
        }
    };
    removeHidden(Image1);
    removeHidden(Image2);
    removeHidden(Button1);
    removeHidden(Button2);
    removeHidden(ListBox1);
    removeHidden(ComboBox1);
}

void TForm1::SearchDir1Find(const base::Path& Name) { ComboBox1->Add(Name); }

base::Path TForm1::ChosenFolder() const { return ComboBox1->WideText(); }

std::wstring TForm1::SelectedFile() const { return ListBox1->WideItem(ListBox1->ItemIndex()); }

void TForm1::ComboBox1Change() {
    // From the emptying to the end of the refill the list neither redraws nor
    // recomputes its scroll bars, which would otherwise go and come back:
    // with many files that costs more than adding the names.
    std::optional<ui::RedrawLock> redraw;
    if (ListBox1) {
        redraw.emplace(ListBox1->Handle());
        ListBox1->Clear();
    }
    ProfileFile file(LayoutPath());
    const int32_t count = file.ReadInteger(kExtension, kCount, 0);
    if (count == 0) {
        redraw.reset();  // the box shows over the emptied list
        ui::ShowPlainMessage("検索する拡張子が未設定です。");
        return;
    }
    if (!ListBox1) return;  // switched off at start-up: nothing to fill

    // Read once for all passes: each read parses the whole file again.
    // A chooser removed at start-up counts as switched off, whatever the file says now.
    const bool chooserInUse = ReadViewerFlag(file, kEnable, kComboBox1) && ComboBox1;
    const std::wstring prompt = chooserInUse ? base::ToWide(file.ReadString(kCaption, kComboBox1, "")) : L"";
    // The chooser's text: a folder, or the prompt while none is chosen.
    const base::Path folder = chooserInUse ? ChosenFolder() : base::Path();
    const bool folderChosen = chooserInUse && base::IsExistingFolder(folder);
    for (int32_t i = 1; i <= std::min(count, kMaxExtensions); ++i) {
        const std::wstring ext = base::ToWide(file.ReadString(kExtension, ExtensionKey(i).c_str(), ""));
        if (chooserInUse) {
            if (folderChosen) ListPattern(folder + L"\\*" + ext);
            // Still showing the prompt: no folder chosen yet.
            if (folder == prompt) ListPattern(exeFolder_ + L"*" + ext);
        } else {
            ListPattern(exeFolder_ + L"*" + ext);
        }
    }
}

// Names only: the short names and the times are left to the file system.
void TForm1::ListPattern(const base::Path& pattern) {
    WIN32_FIND_DATAW entry;
    ui::FindHandle find = ui::AdoptFind(FindFirstFileExW(base::ForFileSystem(pattern).c_str(), FindExInfoBasic, &entry,
                                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        ListBox1->Add(entry.cFileName);
    } while (FindNextFileW(find.Get(), &entry));
}

void TForm1::Button1Click() { ButtonAction(kButton1); }
void TForm1::Button2Click() { ButtonAction(kButton2); }

void TForm1::ListBox1DblClick() {
    bool first, second;
    {
        ProfileFile file(LayoutPath());  // read now, as the buttons read theirs
        first = ReadViewerFlag(file, kEnable, kButton1);
        second = ReadViewerFlag(file, kEnable, kButton2);
    }
    if (first)
        Button1Click();
    else if (second)
        Button2Click();
}

void TForm1::ButtonAction(const char* functionKey) {
    ProfileFile file(LayoutPath());
    // Elements removed at start-up stay out of reach whatever the file says now.
    if (!ReadViewerFlag(file, kEnable, kListBox1) || !ListBox1) return;
    base::Path path;
    if (ReadViewerFlag(file, kEnable, kComboBox1) && ComboBox1) {
        if (ComboBox1->ItemIndex() == -1) return;  // no folder chosen yet
        if (ListBox1->ItemIndex() < 0) {
            ui::ShowPlainMessage("選択してください");
            return;
        }
        base::Path folder = ChosenFolder();
        if (!base::EndsWithBackslash(folder)) folder += L"\\";
        path = folder + SelectedFile();
    } else {
        if (ListBox1->ItemIndex() < 0) {
            ui::ShowPlainMessage("選択してください");
            return;
        }
        path = SelectedFile();  // a name in the executable's folder
    }

    int32_t action = ReadViewerInteger(file, kFunction, functionKey);
    if (action == 0) {
        ui::ShellOpen(Handle(), path, exeFolder_);
    } else if (action == 1) {
        ui::ShowPlainMessage(path);
    } else if (action >= 2) {
        // A layout from a newer designer: this viewer does not know the action.
        ui::PlaySystemSound(kStopSound);
        if (ui::AskError("ロカビナのバージョンが古い可能性があります。\n\r"
                         "最新版をチェックするためにホームページを開きますか？"))
            ui::ShellOpen(Handle(), base::ToWide(kHomePageUrl), exeFolder_);
    }
}

void TForm1::N1Click() {
    ProfileFile file(LayoutPath());
    if (!ReadViewerFlag(file, kEnable, kComboBox1) || !ComboBox1) return;
    ui::ShellOpen(Handle(), ComboBox1->ItemIndex() == -1 ? exeFolder_ : ChosenFolder(), exeFolder_);
}

void TForm1::About1Click() {
    TAboutBox box(Handle());
    box.ShowModal();
}

void TForm1::Exit1Click() { ui::Application::Instance().Terminate(); }

void TForm1::OnContextMenu(int x, int y) {
    POINT at{x, y};
    if (x == -1 && y == -1) {  // the menu key: at the window's top-left corner
        at = {0, 0};
        ClientToScreen(Handle(), &at);
    }
    PopupMenu1.Popup(Handle(), at);
}

}  // namespace viewer
