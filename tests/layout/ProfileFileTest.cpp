#include "layout/ProfileFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/Files.h"
#include "support/Scratch.h"
#include "support/Wide.h"

namespace {

using layout::ProfileFile;
using layout::ProfileWriteError;
using testsupport::ReadWholeFile;
using testsupport::ScratchFolder;
using testsupport::W;

// Numbered key names for table-driven files.
std::string Key(size_t index) {
    std::string key = "k";
    key += std::to_string(index);
    return key;
}

// ---- reads ------------------------------------------------------------------

TEST(ProfileRead, MissingFileGivesDefaultsAndIsNotCreated) {
    ScratchFolder folder;
    const std::string paths[] = {folder / "none.rkd", folder / "no folder\\none.rkd"};
    for (const std::string& path : paths) {
        {
            ProfileFile file(W(path));
            EXPECT_EQ(file.ReadString("Caption", "Form", "ロカビナ"), "ロカビナ");
            EXPECT_EQ(file.ReadInteger("Width", "Form", 177), 177);
            EXPECT_TRUE(file.ReadBool("Enable", "image1", true));
            EXPECT_FALSE(file.ReadBool("Enable", "image1", false));
        }  // closing flushes, and must still create nothing
        EXPECT_FALSE(base::IsExistingFile(W(path))) << path;
    }
    EXPECT_FALSE(base::IsExistingFolder(W(folder / "no folder")));
}

TEST(ProfileRead, MissingSectionOrKeyGivesDefaultButEmptyValueGivesEmptyText) {
    ScratchFolder folder;
    ProfileFile file(W(folder.WriteFile("a.rkd", "[Caption]\r\nForm=\r\nButton1=OK\r\n")));
    EXPECT_EQ(file.ReadString("Caption", "Form", "ロカビナ"), "");
    EXPECT_EQ(file.ReadString("Caption", "Button2", "ボタン2"), "ボタン2");
    EXPECT_EQ(file.ReadString("File", "Button1", "none"), "none");
    EXPECT_EQ(file.ReadString("Caption", "Button1", "x"), "OK");
    // An empty number or flag is malformed, so it takes the default.
    EXPECT_EQ(file.ReadInteger("Caption", "Form", 42), 42);
    EXPECT_TRUE(file.ReadBool("Caption", "Form", true));
}

struct ValueCase {
    const char* value;
    int32_t def;
    int32_t expected;
};

TEST(ProfileRead, IntegersAndFlagsFollowTheIntegerSyntax) {
    const ValueCase integers[] = {
        {"12", 0, 12},      {"12px", 5, 5},     {"100px", 177, 177}, {"0x1F", 0, 31},
        {"$1f", 0, 31},     {"x1F", 0, 31},     {"0X1f", 0, 31},     {"0x", 9, 9},
        {"0x64", 0, 100},   {"$64", 0, 100},    {"007", 0, 7},       {"-2147483648", 0, INT32_MIN},
        {"2147483648", 3, 3}, {"$FFFFFFFF", 0, -1},
    };
    ScratchFolder folder;
    std::string text = "[Width]\r\n";
    for (size_t i = 0; i < std::size(integers); ++i)
        text += Key(i) + "=" + integers[i].value + "\r\n";
    ProfileFile file(W(folder.WriteFile("a.rkd", text)));
    for (size_t i = 0; i < std::size(integers); ++i)
        EXPECT_EQ(file.ReadInteger("Width", Key(i).c_str(), integers[i].def), integers[i].expected)
            << integers[i].value;
}

struct FlagCase {
    const char* value;
    bool def;
    bool expected;
};

TEST(ProfileRead, FlagsAreTrueWhenNotZeroAndDefaultWhenNotANumber) {
    const FlagCase flags[] = {
        {"-1", false, true}, {"0", true, false},  {"", true, true},     {"", false, false},
        {"true", false, false}, {"yes", true, true}, {"0x0", true, false}, {"2", false, true},
        {"1", false, true},  {"$0", true, false},
    };
    ScratchFolder folder;
    std::string text = "[Enable]\r\n";
    for (size_t i = 0; i < std::size(flags); ++i) text += Key(i) + "=" + flags[i].value + "\r\n";
    ProfileFile file(W(folder.WriteFile("a.rkd", text)));
    for (size_t i = 0; i < std::size(flags); ++i)
        EXPECT_EQ(file.ReadBool("Enable", Key(i).c_str(), flags[i].def), flags[i].expected)
            << "\"" << flags[i].value << "\" default " << flags[i].def;
}

TEST(ProfileRead, SeesChangesMadeOnDiskBetweenReads) {
    ScratchFolder folder;
    ProfileFile file(W(folder.WriteFile("a.rkd", "[function]\r\nButton1=0\r\n")));
    EXPECT_EQ(file.ReadInteger("function", "Button1", -1), 0);
    folder.WriteFile("a.rkd", "[function]\r\nButton1=1\r\nButton2=5\r\n");
    EXPECT_EQ(file.ReadInteger("function", "Button1", -1), 1);
    EXPECT_EQ(file.ReadInteger("function", "Button2", -1), 5);
}

TEST(ProfileText, ValueWithEqualsSignAndShiftJisBytesReadsBackWhole) {
    ScratchFolder folder;
    // 表, ソ and 能 end in byte 0x5C; ｶﾅ are single-byte katakana.
    const std::string values[] = {"ボタン=1", "a=b=c", "表示ソフト能力 ｶﾅ", "C:\\画像\\表.jpg", ".txt"};
    std::string path = folder / "a.rkd";
    {
        ProfileFile file(W(path));
        for (size_t i = 0; i < std::size(values); ++i)
            file.WriteString("Caption", Key(i).c_str(), values[i]);
        for (size_t i = 0; i < std::size(values); ++i)
            EXPECT_EQ(file.ReadString("Caption", Key(i).c_str(), ""), values[i]);
    }
    // Stored as the very bytes, without quoting or escaping.
    std::string bytes = ReadWholeFile(path);
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_NE(bytes.find(Key(i) + "=" + values[i] + "\r\n"), std::string::npos) << values[i];
}

TEST(ProfileText, LongValuesAreCutTo2047Bytes) {
    ScratchFolder folder;
    std::string exact(2047, 'a');
    std::string longer(5000, 'b');
    ProfileFile file(W(folder.WriteFile("a.rkd", "[File]\r\nexact=" + exact + "\r\nlong=" + longer + "\r\n")));
    EXPECT_EQ(file.ReadString("File", "exact", ""), exact);
    EXPECT_EQ(file.ReadString("File", "long", ""), longer.substr(0, 2047));
}

TEST(ProfileText, CutInsideADoubleByteCharacterKeepsOnlyValueBytes) {
    ScratchFolder folder;
    std::string wide;
    for (int i = 0; i < 1500; ++i) wide += "表";  // the 2047th byte is a lead byte
    ProfileFile file(W(folder.WriteFile("a.rkd", "[File]\r\nodd=" + wide + "\r\neven=a" + wide + "\r\n")));

    std::string odd = file.ReadString("File", "odd", "");
    // Windows cuts at byte 2047; Wine drops the half character and ends at 2046.
    EXPECT_TRUE(odd.size() == 2047 || odd.size() == 2046) << odd.size();
    EXPECT_EQ(odd, wide.substr(0, odd.size()));
    EXPECT_EQ(file.ReadString("File", "even", ""), ("a" + wide).substr(0, 2047));
}

// ---- writes -----------------------------------------------------------------

TEST(ProfileWrite, CreatesFileWithPlainKeyLinesEndingInCrLf) {
    ScratchFolder folder;
    std::string path = folder / "new.rkd";
    {
        ProfileFile file(W(path));
        file.WriteBool("Enable", "image1", true);
        file.WriteBool("Enable", "image2", false);
        file.WriteString("Caption", "Form", "");
        file.WriteString("Caption", "Button1", "ボタン1");
        file.WriteInteger("function", "Button1", -1);
        file.WriteInteger("Width", "Form", 177);
        file.WriteInteger("Width", "min", INT32_MIN);
    }
    std::string bytes = ReadWholeFile(path);
    const char* lines[] = {"[Enable]\r\nimage1=1\r\nimage2=0\r\n", "[Caption]\r\nForm=\r\nButton1=ボタン1\r\n",
                           "[function]\r\nButton1=-1\r\n", "[Width]\r\nForm=177\r\nmin=-2147483648\r\n"};
    size_t previous = 0;
    for (const char* expected : lines) {
        size_t at = bytes.find(expected);
        ASSERT_NE(at, std::string::npos) << expected << " in\n" << bytes;
        EXPECT_GE(at, previous) << "sections out of order";
        previous = at;
    }
    // Every line ends in CR LF: no bare LF, no bare CR.
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(bytes.back(), '\n');
}

TEST(ProfileWrite, ReplacesInPlaceAndAddsMissingKeysUnderTheirSection) {
    ScratchFolder folder;
    std::string path = folder.WriteFile("a.rkd", "[Width]\r\nimage1=10\r\nForm=20\r\n[Height]\r\nForm=30\r\n");
    {
        ProfileFile file(W(path));
        file.WriteInteger("Width", "image1", 177);
        file.WriteInteger("Height", "Form", 265);
        file.WriteInteger("Width", "Button1", 89);
        file.WriteInteger("Top", "Button1", 240);
    }
    std::string bytes = ReadWholeFile(path);
    EXPECT_EQ(bytes.find("[Width]\r\nimage1=177\r\nForm=20\r\n"), 0u) << bytes;
    size_t added = bytes.find("Button1=89\r\n");
    ASSERT_NE(added, std::string::npos) << bytes;
    EXPECT_LT(added, bytes.find("[Height]")) << bytes;
    EXPECT_NE(bytes.find("[Height]\r\nForm=265\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("[Top]\r\nButton1=240\r\n"), std::string::npos) << bytes;

    ProfileFile reread(W(path));
    EXPECT_EQ(reread.ReadInteger("Width", "Button1", 0), 89);
    EXPECT_EQ(reread.ReadInteger("Width", "Form", 0), 20);
}

TEST(ProfileWrite, IntoAMissingFolderFailsAndCreatesNothing) {
    ScratchFolder folder;
    std::string path = folder / "missing\\layout.rkd";
    ProfileFile file(W(path));
    try {
        file.WriteString("Caption", "Form", "Menu");
        FAIL() << "write into a missing folder succeeded";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
    }
    EXPECT_FALSE(base::IsExistingFolder(W(folder / "missing")));

    // Once refused, the object writes nothing more, even where it now could.
    folder.MakeFolder("missing");
    EXPECT_THROW(file.WriteInteger("Width", "Form", 1), ProfileWriteError);
    EXPECT_FALSE(base::IsExistingFile(W(path)));
}

TEST(ProfileWrite, WritesBeforeARefusalStayInTheFile) {
    ScratchFolder folder;
    std::string path = folder / "a.rkd";
    {
        ProfileFile file(W(path));
        file.WriteInteger("Width", "image1", 1);
        {
            // Another program holds the file open without sharing it.
            HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(lock, INVALID_HANDLE_VALUE);
            EXPECT_THROW(file.WriteInteger("Width", "image2", 2), ProfileWriteError);
            CloseHandle(lock);
        }
        EXPECT_THROW(file.WriteInteger("Width", "Button1", 3), ProfileWriteError);
    }
    ProfileFile reread(W(path));
    EXPECT_EQ(reread.ReadInteger("Width", "image1", 0), 1);
    EXPECT_EQ(reread.ReadInteger("Width", "image2", 0), 0);
    EXPECT_EQ(reread.ReadInteger("Width", "Button1", 0), 0);
}

// Where the file lies changes nothing in it: a folder name outside code page
// 932 or a path past the platform's limit gives the bytes a plain folder gets.
TEST(ProfileWrite, FilesInFoldersOfAnyNameAndDepthHoldTheSameBytes) {
    ScratchFolder folder;
    const std::wstring deep = folder.MakeFolder(L"deep\\" + std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e') +
                                                L"\\메뉴");
    const std::wstring files[] = {folder / L"plain.rkd", folder.MakeFolder(L"메뉴 café") + L"\\a.rkd",
                                  folder.MakeFolder(L"価格\u00A5100") + L"\\a.rkd", deep + L"\\menu.rkd"};
    ASSERT_GT(files[3].size(), 280u);  // past the limit of 260
    const std::string values[] = {"表示ソフト①ｶﾅ", "C:\\画像\\表.jpg", ""};
    for (const std::wstring& path : files) {
        SCOPED_TRACE(base::FromWide(path));
        {
            ProfileFile file(path);
            for (size_t i = 0; i < std::size(values); ++i) file.WriteString("Caption", Key(i).c_str(), values[i]);
            file.WriteInteger("Width", "Form", -20);
        }
        EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(files[0]));
        ProfileFile reread(path);
        for (size_t i = 0; i < std::size(values); ++i)
            EXPECT_EQ(reread.ReadString("Caption", Key(i).c_str(), "x"), values[i]);
        EXPECT_EQ(reread.ReadInteger("Width", "Form", 0), -20);
    }
}

TEST(ProfileWrite, AValueOutsideTheCodePageIsRefusedNeverWrittenAsAnotherName) {
    EXPECT_EQ(layout::LayoutValueText(L"表示①ｶﾅ.jpg"), "表示①ｶﾅ.jpg");
    for (const wchar_t* value : {L"café.jpg", L"価格\u00A5100.jpg", L"한글.jpg"}) {
        try {
            layout::LayoutValueText(value);
            ADD_FAILURE() << "accepted " << base::FromWide(value);
        } catch (const layout::UnwritableValueError& e) {
            EXPECT_EQ(e.Text(), value + W(" にはレイアウトファイルに書き込めない文字があります"));
        }
    }
}

// ---- hostile files ----------------------------------------------------------

TEST(ProfileRead, HugeFileReadsWithinTheLimit) {
    ScratchFolder folder;
    std::string text = "[Width]\r\nForm=" + std::string(25'000'000, '7') + "\r\n";
    for (int i = 0; text.size() < 50'000'000; ++i) text += Key(size_t(i)) + "=" + std::to_string(i) + "\r\n";
    text += "[Height]\r\nForm=99\r\n";
    ProfileFile file(W(folder.WriteFile("big.rkd", text)));
    text.clear();
    text.shrink_to_fit();

    EXPECT_EQ(file.ReadString("Width", "Form", ""), std::string(2047, '7'));
    EXPECT_EQ(file.ReadInteger("Width", "Form", 177), 177);  // far beyond 32 bits
    EXPECT_EQ(file.ReadInteger("Width", "k1000", -1), 1000);
    EXPECT_EQ(file.ReadInteger("Height", "Form", 265), 99);
    EXPECT_EQ(file.ReadInteger("Top", "Form", 5), 5);
}

TEST(ProfileRead, BinaryGarbageReadsWithoutCrashing) {
    ScratchFolder folder;
    std::string garbage(4'000'000, '\0');
    uint32_t state = 12345;
    for (char& c : garbage) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 23);
    }
    // Some structure inside the noise, so that the parser meets sections and keys.
    const std::string sections("\r\n[Width]\r\nForm=\xFF\x00\x81\r\n[\r\n=", 25);
    for (size_t at = 1000; at + sections.size() < garbage.size(); at += 100'000)
        garbage.replace(at, sections.size(), sections);
    ProfileFile file(W(folder.WriteFile("garbage.rkd", garbage)));

    EXPECT_LE(file.ReadString("Width", "Form", "x").size(), 2047u);
    EXPECT_LE(file.ReadString("Caption", "Button1", "").size(), 2047u);
    file.ReadInteger("Width", "Form", 177);
    file.ReadBool("Enable", "image1", true);
    EXPECT_EQ(file.ReadInteger("NoSuchSection", "Form", 177), 177);
}

}  // namespace
