// The Test run and the About box.
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
        : header_(header), footer_(footer), headerText_(header.Text()), footerText_(footer.Text()) {}
    ~PictureNamesKept() {
        header_.SetText(headerText_);
        footer_.SetText(footerText_);
    }
    PictureNamesKept(const PictureNamesKept&) = delete;
    PictureNamesKept& operator=(const PictureNamesKept&) = delete;

private:
    ui::Edit& header_;
    ui::Edit& footer_;
    std::string headerText_, footerText_;
};

}  // namespace

void TForm1::Button7Click() {
    const std::string testLayout = designerFolder_ + "test\\test.rkd";
    {
        auto& header = Get<ui::Edit>("Edit1");
        auto& footer = Get<ui::Edit>("Edit2");
        PictureNamesKept kept(header, footer);
        // Names relative to the layout file's folder reach the viewer as full names.
        const std::string folder = base::FolderPart(currentFile_);
        for (ui::Edit* field : {&header, &footer}) {
            std::string name = field->Text();
            if (!name.empty() && !base::IsFullName(name)) field->SetText(folder + name);
        }
        WriteLayoutFile(testLayout);
    }
    ui::ShellOpen(Handle(), designerFolder_ + "test\\test.exe", designerFolder_);
}

void TForm1::About1Click() {
    TAboutBox box(Handle());
    box.ShowModal();
}

}  // namespace designer
