// The Test run and the About box.
#include <optional>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "designer/AboutBox.h"
#include "designer/MainForm.h"
#include "ui/Shell.h"

namespace designer {
namespace {

// Puts the texts of the picture fields back however the run ends.
class PictureNamesKept {
public:
    PictureNamesKept(ui::Edit& header, ui::Edit& footer)
        : header_(header), footer_(footer), headerText_(header.WideText()), footerText_(footer.WideText()) {}
    ~PictureNamesKept() {
        header_.SetWideText(headerText_);
        footer_.SetWideText(footerText_);
    }
    PictureNamesKept(const PictureNamesKept&) = delete;
    PictureNamesKept& operator=(const PictureNamesKept&) = delete;

private:
    ui::Edit& header_;
    ui::Edit& footer_;
    std::wstring headerText_, footerText_;
};

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
    const base::Path testLayout = designerFolder_ + L"test\\test.rkd";
    {
        auto& header = Get<ui::Edit>("Edit1");
        auto& footer = Get<ui::Edit>("Edit2");
        PictureNamesKept kept(header, footer);
        // Names relative to the layout file's folder reach the viewer as full names.
        const base::Path folder = base::FolderPart(currentFile_);
        for (ui::Edit* field : {&header, &footer}) {
            const std::wstring name = field->WideText();
            if (!name.empty() && !base::IsFullName(name)) field->SetWideText(WritableName(folder + name));
        }
        WriteLayoutFile(testLayout);
    }
    ui::ShellOpen(Handle(), designerFolder_ + L"test\\test.exe", designerFolder_);
}

void TForm1::About1Click() {
    TAboutBox box(Handle());
    box.ShowModal();
}

}  // namespace designer
