// The layout file access against the platform's profile functions, which it
// stands in for, on code page 932: on hand-made files and on the mutated
// layouts, every key reads the same, and the same writes leave the same bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "base/ShiftJis.h"
#include "layout/LayoutKeys.h"
#include "layout/ProfileFile.h"
#include "robustness/Robustness.h"
#include "support/Scratch.h"
#include "support/Wide.h"

namespace {

using testsupport::ReadWholeFile;
using testsupport::W;

constexpr uint32_t kSeed = 20261209;
constexpr int kMutants = 400;

// What the programs read through the platform: its wide call, which decodes
// the file in the code page the test runs in (932), cut to whole characters.
std::string PlatformRead(const std::wstring& path, const char* section, const char* key, const std::string& def) {
    wchar_t buffer[2048];
    const DWORD n = GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(def).c_str(), buffer, 2048,
                                             path.c_str());
    std::string value = base::FromWide(std::wstring_view(buffer, n));
    size_t end = 0;
    while (end < value.size() && end + base::CharSizeAt(value, end) <= layout::ProfileFile::kMaxValueBytes)
        end += base::CharSizeAt(value, end);
    return value.substr(0, end);
}

struct Read {
    const char* section;
    const char* key;
    std::string def;
};

// Every key of the layout with its viewer default, and names and defaults
// that only a hand-edited file meets.
std::vector<Read> Reads() {
    std::vector<Read> reads;
    for (const layout::LayoutKey& k : layout::LayoutKeys())
        reads.push_back({k.section, k.key, k.kind == layout::ValueKind::Text ? k.viewerText : std::to_string(k.viewerInt)});
    for (const char* key : {"count", "ex1", "ex2", "ex4"}) reads.push_back({layout::kExtension, key, ""});
    reads.push_back({"caption", "FORM", "既定  "});
    reads.push_back({"Caption", "Form", "\"引用\""});
    reads.push_back({"Caption", ";k", ""});
    return reads;
}

struct Write {
    const char* section;
    const char* key;
    const char* value;
};
// First a value most files hold already: such a write leaves the file as it is.
const Write kWrites[] = {
    {"Enable", "image1", "1"}, {"Caption", "Form", "会社案内メニュー"}, {"Width", "Form", "177"},
    {"Caption", "Button1", ""}, {"extension", "ex1", ".txt"}, {"New", "key", "  前に空白"}, {"Caption", "Form", "表"},
};

// Files no layout mutation makes: byte-order marks, bytes code page 932 has
// no character for, blanks and quotes, and each of the platform's rules.
std::string Utf16(std::u16string_view text, bool little) {
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : text) bytes += little ? std::string{char(c), char(c >> 8)} : std::string{char(c >> 8), char(c)};
    return bytes;
}

std::vector<std::string> HandMadeFiles() {
    const std::u16string text = u"[Caption]\r\nForm=会社\u3000案内 \r\nButton1=한글\r\n";
    return {
        Utf16(text, true), Utf16(text, false), Utf16(text, true) + "[", Utf16(text, false) + "=", "\xFF\xFE[",
        "\xEF\xBB\xBF[Caption]\r\nForm=\xE4\xBC\x9A\xE7\xA4\xBE\r\n",
        "[Caption]\r\nForm=\x81\r\nButton1=\x80\xA0\xFD\xFE\xFF\r\nButton2=\x81\x7F\x82\r\nComboBox1=\x81",
        "[ caption ]\r\n  FORM  =  \"引用\"  \r\n[Caption]\r\nButton1=後\r\nButton1=前\r\n",
        "[Caption]\rForm=CRだけ\r\r\n\n[Width]\nForm=10\x1A\r\n",
        "Form=最初の節より前\r\n[]\r\nForm=空の節\r\n[Caption]\r\nForm\r\n=名前なし\r\n=二つ目\r\n",
        std::string("[Caption]\r\nForm=前\0後\r\nButton1\0=x\r\n", 32),
        "[Caption]\r\nForm=\"" + std::string(3000, 'q') + "\"\r\nButton1='" + std::string(2046, 'q') + "'\r\n",
        "[Caption]\r\nForm=" + std::string(2040, 'a') + "表表表表表\r\n",
        "[Caption]\r\n;Form=注釈\r\n[Caption\r\nForm=閉じない\r\n[Caption]]\r\nForm=括弧\r\n",
        "",
    };
}

TEST(ProfileOracle, EveryReadAndWriteIsThePlatformsOnCodePage932) {
    ASSERT_EQ(GetACP(), 932u) << "the platform is the oracle only on code page 932";
    std::vector<std::string> files = HandMadeFiles();
    robustness::Mutator mutator(kSeed);
    for (int i = 0; i < kMutants; ++i) {
        const auto& bases = robustness::BaseLayouts();
        files.push_back(mutator.Layout(bases[size_t(i) % bases.size()]).bytes);
    }
    const std::vector<Read> reads = Reads();
    testsupport::ScratchFolder dir;
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE("file " + std::to_string(i) + ":\n" + files[i].substr(0, 400));
        // A name of its own for each file: the platform keeps files it has read.
        const std::wstring path = W(dir.WriteFile("read" + std::to_string(i) + ".rkd", files[i]));
        const layout::ProfileFile file(path);
        for (const Read& r : reads)
            ASSERT_EQ(file.ReadString(r.section, r.key, r.def), PlatformRead(path, r.section, r.key, r.def))
                << r.section << "/" << r.key;
        if (i % 4) continue;
        const std::wstring ours = W(dir.WriteFile("ours" + std::to_string(i) + ".rkd", files[i]));
        const std::wstring theirs = W(dir.WriteFile("theirs" + std::to_string(i) + ".rkd", files[i]));
        layout::ProfileFile written(ours);
        for (const Write& w : kWrites) {
            written.WriteString(w.section, w.key, w.value);
            ASSERT_TRUE(WritePrivateProfileStringW(W(w.section).c_str(), W(w.key).c_str(), W(w.value).c_str(),
                                                   theirs.c_str()));
            ASSERT_EQ(ReadWholeFile(ours), ReadWholeFile(theirs)) << "after " << w.section << "/" << w.key;
        }
    }
    // A file that is not there reads as the defaults, as on the platform.
    const std::wstring missing = W(dir / "missing.rkd");
    for (const Read& r : reads)
        EXPECT_EQ(layout::ProfileFile(missing).ReadString(r.section, r.key, r.def),
                  PlatformRead(missing, r.section, r.key, r.def));
}

}  // namespace
