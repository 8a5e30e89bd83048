// The Test run and the About box.
#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "designer/AboutBox.h"
#include "designer/LayoutFile.h"
#include "designer/MainForm.h"
#include "ui/Shell.h"

namespace designer {
namespace {

// A name joined to a folder that code page 932 cannot write (the layout file
// kept in such a folder) reaches the test file by the short form of its
// path where the volume keeps one; otherwise the write refuses it.
base::Path WritableName(const base::Path& joined) {
    if (base::FromWideExactly(joined)) return joined;
    const base::Path shortName = base::ShortPathName(joined);
    return !shortName.empty() && base::FromWideExactly(shortName) ? shortName : joined;
}

}  // namespace

void TForm1::Button7Click() {
    // Names relative to the layout file's folder reach the viewer as full names.
    LayoutValues test = model_.layout;
    const base::Path folder = base::FolderPart(currentFile_);
    for (size_t i = 0; i < kElementCount; ++i) {
        std::wstring& name = test.elements[i].picture;
        if (Elements()[i].pictureField && !name.empty() && !base::IsFullName(name)) name = WritableName(folder + name);
    }
    designer::WriteLayoutFile(test, designerFolder_ + L"test\\test.rkd");
    ui::ShellOpen(Handle(), designerFolder_ + L"test\\test.exe", designerFolder_);
}

void TForm1::About1Click() {
    TAboutBox box(Handle());
    box.ShowModal();
}

}  // namespace designer
