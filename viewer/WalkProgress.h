// The small window that start-up shows while a long folder walk runs: how
// many folders were found, which one is being read, and "中止", which ends
// the walk with the folders found so far. Escape and the close box do too.
#pragma once
#include <cstddef>

#include "base/FileSystemPath.h"
#include "ui/Form.h"

namespace viewer {

class TWalkProgress : public ui::Form {
public:
    // Shown at once, centred on the screen, over owner.
    explicit TWalkProgress(HWND owner);

    // Shows the count and the folder; a text that did not change is not set
    // again, so nothing flickers.
    void ShowProgress(size_t found, const base::Path& reading);
    // "中止", Escape or the close box was chosen.
    bool StopAsked() const { return stopAsked_; }
    void Button1Click();

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool stopAsked_ = false;
    size_t shownFound_ = size_t(-1);
    base::Path shownReading_;
};

}  // namespace viewer
