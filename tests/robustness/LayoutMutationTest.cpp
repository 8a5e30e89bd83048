// Thousands of damaged layout files, each fed to the viewer's start-up and a
// share of them to the designer's Open. Neither may crash, hang, grow without
// bound, say anything but its defined messages, or write a file; the viewer's
// title must still be what the file says or the default. The same mutants,
// with hand-made files, read and written as the platform's profile
// functions on code page 932 do, which the layout file access stands in for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "base/CodePage.h"
#include "base/ShiftJis.h"
#include "designer/MainForm.h"
#include "layout/LayoutKeys.h"
#include "layout/ProfileFile.h"
#include "picture/Picture.h"
#include "robustness/Robustness.h"
#include "support/CurrentDirectory.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"
#include "support/Wide.h"
#include "ui/Application.h"
#include "ui/Sound.h"
#include "viewer/MainForm.h"

namespace {

using testsupport::W;

using namespace robustness;
using testsupport::CurrentDirectoryGuard;
using testsupport::LayoutText;
using testsupport::ReadWholeFile;
using testsupport::ScratchFolder;
using testsupport::TestDataPath;

constexpr uint32_t kSeed = 20240611;
constexpr int kViewerCases = 1200;
constexpr int kDesignerShare = 8;  // every eighth mutant also goes to the designer

const std::vector<std::string>& kBases = BaseLayouts();

// The value the platform reads, cut as the programs cut it.
std::string RawRead(const std::string& path, const char* section, const char* key, const char* def) {
    char buffer[2048] = {};
    GetPrivateProfileStringA(section, key, def, buffer, sizeof buffer, path.c_str());
    return std::string(buffer, strnlen(buffer, 2047));
}

bool EndsWith(const std::string& s, const std::string& tail) { return s.size() >= tail.size() && s.ends_with(tail); }

// The error box of a picture that failed to load, for one of the names the layout gives.
bool IsPictureFailure(const std::string& text, const std::vector<std::string>& names) {
    for (const char* decoder : {"ビットマップイメージが不正です.", "アイコンイメージが不正です.", "メタファイルが不正です."})
        if (text == decoder) return true;
    for (const auto& name : names)
        if (text == "ファイル " + name + " は開けません.") return true;
    if (text.starts_with("拡張子 .") && EndsWith(text, " の画像形式は処理できません.")) return true;
    const std::string jpeg = "JPEG エラー #";
    if (text.starts_with(jpeg) && text.size() > jpeg.size() + 1 && text.back() == '.') {
        std::string number = text.substr(jpeg.size(), text.size() - jpeg.size() - 1);
        return number.find_first_not_of("0123456789") == std::string::npos;
    }
    return false;
}

// The viewer's working folder: its layout, folders to walk, files to list,
// small pictures of every kind, and a folder named like a picture.
class ViewerFolder {
public:
    ViewerFolder() {
        dir.MakeFolder("sub1");
        dir.MakeFolder("sub2\\deeper");
        dir.MakeFolder("folder.jpg");
        dir.WriteFile("a.txt", "a");
        dir.WriteFile("sub1\\b.doc", "b");
        for (const SeedPicture& seed : SeedPictures()) {
            const char* name = seed.name == "quadrants.jpeg" ? "image1.jpg"
                             : seed.name == "quadrants_progressive.jpg" ? "image2.jpg"
                             : seed.name == "quadrants24.bmp" ? "pic.bmp"
                             : seed.name == "size16.ico" ? "pic.ico"
                             : seed.name == "drawing.wmf" ? "pic.wmf"
                             : seed.name == "drawing.emf" ? "pic.emf" : nullptr;
            if (name) dir.WriteFile(name, seed.bytes);
        }
    }
    std::string Layout() const { return dir / "rokabina.rkd"; }
    ScratchFolder dir;
};

// Collects the failures of a loop and reports the first few with their case.
class Failures {
public:
    void Add(int index, const Mutant& mutant, const std::string& what) {
        if (++count_ <= 15) ADD_FAILURE() << "case " << index << " (" << mutant.how << "): " << what;
    }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

// The case index from ROKABINA_ROBUSTNESS_CASE, to run one case alone; -1 for all.
int OnlyCase() {
    const char* only = std::getenv("ROKABINA_ROBUSTNESS_CASE");
    return only ? std::atoi(only) : -1;
}

class LayoutMutation : public testing::Test {
protected:
    void SetUp() override {
        ui::SetSoundObserver([](UINT) {});  // no real beeps for thousands of start-ups
        windowsBefore_ = TopLevelWindowCount();
    }
    void TearDown() override {
        ui::SetSoundObserver(nullptr);
        EXPECT_EQ(TopLevelWindowCount(), windowsBefore_) << "windows left behind";
    }
    // Memory after the first tenth of the loop and at its end.
    void CheckMemory(const Memory& early) {
        Memory end = ProcessMemory();
        EXPECT_LT(end.peakWorkingSet, kMemoryCeiling);
        EXPECT_LT(end.privateBytes, early.privateBytes + kGrowthSlack)
            << "private bytes grew from " << early.privateBytes << " to " << end.privateBytes;
    }

    BoxAnswerer answerer;
    Watchdog watchdog;
    Failures failures;

private:
    int windowsBefore_ = 0;
};

TEST_F(LayoutMutation, ViewerStartUpSurvivesEveryMutant) {
    ViewerFolder folder;
    CurrentDirectoryGuard here(folder.dir.Path());  // as a program started there has it
    ui::Application::Instance().SetTitle("ロカビナ");
    Mutator mutator(kSeed);
    Memory early;
    int boxesSeen = 0;
    const int only = OnlyCase();
    for (int i = 0; i < kViewerCases; ++i) {
        Mutant mutant = mutator.Layout(kBases[i % kBases.size()]);
        if (only >= 0 && i != only) continue;
        folder.dir.WriteFile("rokabina.rkd", mutant.bytes);
        const std::string before = FolderSnapshot(folder.dir.Path());
        const std::string title = RawRead(folder.Layout(), "Caption", "Form", "ロカビナ");
        const std::vector<std::string> pictures = {RawRead(folder.Layout(), "File", "image1", ""),
                                                   RawRead(folder.Layout(), "File", "image2", "")};

        watchdog.Begin("viewer start-up, case " + std::to_string(i) + ": " + mutant.how);
        ui::Application::Instance().ClearTermination();
        std::string caption;
        {
            viewer::TForm1 form(W(folder.dir / "rokabina.exe"));
            caption = form.Caption();
        }
        watchdog.End();

        if (caption != title) failures.Add(i, mutant, "title \"" + caption.substr(0, 80) + "\"");
        std::vector<Box> boxes = answerer.Take();
        boxesSeen += int(boxes.size());
        if (boxes.size() > 1) failures.Add(i, mutant, std::to_string(boxes.size()) + " boxes");
        for (const Box& box : boxes) {
            bool known = box.text == "検索する拡張子が未設定です。" || IsPictureFailure(box.text, pictures);
            if (box.caption != "ロカビナ" || !known)
                failures.Add(i, mutant, "box \"" + box.caption + "\": \"" + box.text.substr(0, 200) + "\"");
        }
        if (ReadWholeFile(folder.Layout()) != mutant.bytes) failures.Add(i, mutant, "the layout file changed");
        if (FolderSnapshot(folder.dir.Path()) != before) failures.Add(i, mutant, "a file was written");
        if (i >= kViewerCases / 10 && early.privateBytes == 0) early = ProcessMemory();
    }
    EXPECT_EQ(failures.Count(), 0);
    if (only < 0) CheckMemory(early);
    if (only < 0) {
        EXPECT_GT(boxesSeen, 0) << "no box was seen: the answerer records nothing";
    }
}

TEST_F(LayoutMutation, DesignerOpenSurvivesEveryMutant) {
    ViewerFolder folder;  // the layouts lie beside the pictures they name
    CurrentDirectoryGuard keep;  // the open dialog moves it
    ui::Application::Instance().SetTitle("ロカビナデザイナー");
    ui::Application::Instance().ClearTermination();
    auto form = std::make_unique<designer::TForm1>(W(folder.dir / "rokabina_designer.exe"));
    const std::string path = folder.dir / "opened.rkd";
    Mutator mutator(kSeed);
    Memory early;
    int boxesSeen = 0;
    const int only = OnlyCase();
    for (int i = 0; i < kViewerCases; ++i) {
        Mutant mutant = mutator.Layout(kBases[i % kBases.size()]);
        if (i % kDesignerShare != 0 || (only >= 0 && i != only)) continue;
        folder.dir.WriteFile("opened.rkd", mutant.bytes);
        const std::string before = FolderSnapshot(folder.dir.Path());
        const std::vector<std::string> pictures = {RawRead(path, "File", "image1", ""), RawRead(path, "File", "image2", "")};

        watchdog.Begin("designer Open, case " + std::to_string(i) + ": " + mutant.how);
        answerer.AnswerFileDialogWith(path);
        ui::Application::Instance().RunHandler([&] { form->Open1Click(); });
        watchdog.End();

        if (!answerer.FileDialogAnswered()) failures.Add(i, mutant, "the open dialog was not answered");
        if (form->CurrentFileName() != W(path)) failures.Add(i, mutant, "current file " + base::FromWide(form->CurrentFileName()));
        if (form->Get<ui::ListBox>("ListBox1").Count() > 1024) failures.Add(i, mutant, "more than 1024 extensions");
        std::vector<Box> boxes = answerer.Take();
        boxesSeen += int(boxes.size());
        if (boxes.size() > 2) failures.Add(i, mutant, std::to_string(boxes.size()) + " boxes");
        for (const Box& box : boxes)
            if (box.caption != "ロカビナデザイナー" || !IsPictureFailure(box.text, pictures))
                failures.Add(i, mutant, "box \"" + box.caption + "\": \"" + box.text.substr(0, 200) + "\"");
        if (ReadWholeFile(path) != mutant.bytes) failures.Add(i, mutant, "the layout file changed");
        if (FolderSnapshot(folder.dir.Path()) != before) failures.Add(i, mutant, "a file was written");
        if (i >= kViewerCases / 10 && early.privateBytes == 0) early = ProcessMemory();
    }
    form.reset();
    EXPECT_EQ(failures.Count(), 0);
    if (only < 0) CheckMemory(early);
    if (only < 0) {
        EXPECT_GT(boxesSeen, 0) << "no box was seen: the answerer records nothing";
    }
}

// Each odd name once at start-up: the box says exactly what loading it says.
TEST_F(LayoutMutation, OddPictureNamesGiveTheLoadersMessage) {
    ViewerFolder folder;
    CurrentDirectoryGuard here(folder.dir.Path());  // as a program started there has it
    ui::Application::Instance().SetTitle("ロカビナ");
    for (const char* name : OddPictureNames()) {
        folder.dir.WriteFile("rokabina.rkd", LayoutText({"[File]", std::string("image2=") + name, "[extension]", "count=1", "ex1=.txt"}));
        std::string expected;
        try {
            picture::LoadPicture(W(RawRead(folder.Layout(), "File", "image2", "")));  // the platform trims the value
        } catch (const picture::PictureError& e) {
            expected = std::string(e.what()) + ".";
        }
        watchdog.Begin(std::string("viewer start-up with image2=") + name);
        ui::Application::Instance().ClearTermination();
        { viewer::TForm1 form(W(folder.dir / "rokabina.exe")); }
        watchdog.End();
        std::vector<Box> boxes = answerer.Take();
        if (expected.empty()) {
            EXPECT_TRUE(boxes.empty()) << name;
        } else {
            ASSERT_EQ(boxes.size(), 1u) << name;
            EXPECT_EQ(boxes[0].caption, "ロカビナ") << name;
            EXPECT_EQ(boxes[0].text, expected) << name;
        }
    }
}

using Key = std::tuple<const char*, const char*, std::string>;  // section, key, a default or a value

// As the programs read through the platform's wide call, in the test's code
// page, cut to whole characters.
std::string PlatformRead(const std::wstring& path, const Key& k) {
    const auto& [section, key, def] = k;
    wchar_t value[2048];
    const DWORD n =
        GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(def).c_str(), value, 2048, path.c_str());
    const std::string text = base::FromWide(std::wstring_view(value, n));
    size_t end = 0;
    while (end < text.size() && end + base::CharSizeAt(text, end) <= 2047) end += base::CharSizeAt(text, end);
    return text.substr(0, end);
}

TEST(ProfileOracle, EveryReadAndWriteIsThePlatformsOnCodePage932) {
    ASSERT_EQ(GetACP(), 932u) << "the platform is the oracle only on code page 932";
    // Byte-order marks, an odd last byte, bytes code page 932 has no character
    // for, NULs, long quoted values, and each of the platform's own rules.
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (char16_t c : std::u16string(u"[Caption]\r\nForm=会社\u3000案内 \r\nButton1=한글\r\n")) {
        le += {char(c), char(c >> 8)};
        be += {char(c >> 8), char(c)};
    }
    std::vector<std::string> files = {
        le, be, le + "[", be + "=", "", "\xEF\xBB\xBF[Caption]\r\nForm=\xE4\xBC\x9A\r\n",
        "[Caption]\r\nForm=\x81\r\nButton1=\x80\xA0\xFD\xFF\r\nButton2=\x81\x7F\x82\r\nComboBox1=\x81",
        "[ caption ]\r\n  FORM  =  \"引用\"  \r\n[Caption]\r\nButton1=後\r\nButton1=前\r\n",
        "Form=節より前\r\n[]\r\nForm=空の節\r\n[Caption]\r\nForm\r\n=名前なし\r\n=二つ目\r\n[Width]\rForm=1\x1A\r\r\n",
        std::string("[Caption]\r\nForm=前\0後\r\nButton1\0=x\r\n[Caption\r\nButton2=閉じない\r\n", 63),
        "[Caption]\r\nForm=\"" + std::string(3000, 'q') + "\"\r\nButton1='" + std::string(2046, 'q') +
            "'\r\nComboBox1=" + std::string(2040, 'a') + "表表表表表\r\n"};
    Mutator mutator(20261209);
    for (size_t i = 0; i < 400; ++i) files.push_back(mutator.Layout(kBases[i % kBases.size()]).bytes);
    std::vector<Key> reads = {{"caption", "FORM", "既定  "}, {"Caption", "Form", "\"引用\""}, {"extension", "ex1", ""}};
    for (const layout::LayoutKey& k : layout::LayoutKeys())
        reads.emplace_back(k.section, k.key,
                           k.kind == layout::ValueKind::Text ? k.viewerText : std::to_string(k.viewerInt));
    // First a value most files hold already: such a write leaves the file as it is.
    const Key writes[] = {{"Enable", "image1", "1"}, {"Caption", "Form", "会社案内"}, {"Caption", "Button1", ""},
                          {"New", "key", "  前に空白"}, {"Caption", "Form", "表"}};
    ScratchFolder dir;
    for (size_t i = 0; i < files.size(); ++i) {  // a name of its own for each: the platform keeps files it read
        SCOPED_TRACE("file " + std::to_string(i) + ":\n" + files[i].substr(0, 300));
        const std::wstring path = W(dir.WriteFile(std::to_string(i) + ".rkd", files[i]));
        for (const auto& [section, key, def] : reads)
            ASSERT_EQ(layout::ProfileFile(path).ReadString(section, key, def), PlatformRead(path, {section, key, def}))
                << section << "/" << key;
        if (i % 4) continue;
        const std::wstring ours = W(dir.WriteFile(std::to_string(i) + "a.rkd", files[i]));
        const std::wstring theirs = W(dir.WriteFile(std::to_string(i) + "b.rkd", files[i]));
        for (const auto& [section, key, value] : writes) {
            layout::ProfileFile(ours).WriteString(section, key, value);
            WritePrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(value).c_str(), theirs.c_str());
            ASSERT_EQ(ReadWholeFile(ours), ReadWholeFile(theirs)) << "after " << section << "/" << key;
        }
    }
}

}  // namespace
