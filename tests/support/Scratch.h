// A fresh folder for one test, removed with everything in it afterwards
// unless the test keeps it. Names below it may be any the file system takes
// (the wide forms), at any depth.
#pragma once
#include <initializer_list>
#include <string>

namespace testsupport {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path, with a trailing backslash (its own name is plain).
    const std::string& Path() const { return path_; }
    const std::wstring& WidePath() const { return widePath_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }
    std::wstring operator/(const std::wstring& relative) const { return widePath_ + relative; }

    // Creates the folder (and its parents) below this one; returns its full path.
    std::string MakeFolder(const std::string& relative) const;
    std::wstring MakeFolder(const std::wstring& relative) const;
    // Writes the bytes exactly as given; creates missing parent folders.
    std::string WriteFile(const std::string& relative, const std::string& bytes) const;
    std::wstring WriteFile(const std::wstring& relative, const std::string& bytes) const;
    // Leaves the folder in place after the test, for a person to look into.
    void Keep() { kept_ = true; }

private:
    std::string path_;
    std::wstring widePath_;
    bool kept_ = false;
};

// Layout file text from lines, each ended with CR LF.
std::string LayoutText(std::initializer_list<std::string> lines);

std::string ReadWholeFile(const std::string& path);
std::string ReadWholeFile(const std::wstring& path);
// The layout file a freshly started designer saves, byte for byte.
const std::string& FreshDesignerLayout();

}  // namespace testsupport
