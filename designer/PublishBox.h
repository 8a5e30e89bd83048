// The window of 配布用フォルダに書き出し: where a ready menu folder goes,
// under which program name, and whether a CD's autorun.inf comes with it.
// Bad input is said in a plain message box and the window stays open.
#pragma once
#include <functional>
#include <string>

#include "base/FileSystemPath.h"
#include "ui/Form.h"

namespace designer {

struct PublishChoice {
    base::Path folder;
    std::wstring name;  // the program's name, without ".exe"
    bool autorun = false;
};

// A message for a program name that cannot be one; empty when it can.
std::string NameProblem(const std::wstring& name);

class TPublishBox : public ui::Form {
public:
    // `accept` is told the checked choice on 書き出し: true closes the window.
    TPublishBox(HWND owner, const PublishChoice& initial, std::function<bool(const PublishChoice&)> accept);

    void Button1Click();  // 参照...
    void Button2Click();  // 書き出し
    void Button3Click();  // キャンセル
    PublishChoice Choice() const;

private:
    std::function<bool(const PublishChoice&)> accept_;
};

}  // namespace designer
