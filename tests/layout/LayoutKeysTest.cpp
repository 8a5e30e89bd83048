#include "layout/LayoutKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "layout/ProfileFile.h"
#include "support/Scratch.h"

namespace {

using layout::FindLayoutKey;
using layout::LayoutKey;
using layout::LayoutKeys;
using layout::ValueKind;

std::string NameOf(const LayoutKey& key) { return std::string(key.section) + "/" + key.key; }

TEST(LayoutKeys, HoldTheFortyOneKeysInFileOrder) {
    const std::vector<std::string> expected = {
        "Enable/image1", "Enable/image2", "Enable/Button1", "Enable/Button2", "Enable/ComboBox1",
        "Enable/ListBox1", "Enable/not_sizechange",
        "Caption/Button1", "Caption/Button2", "Caption/Form", "Caption/ComboBox1",
        "function/Button1", "function/Button2",
        "File/image1", "File/image2",
        "Width/image1", "Width/image2", "Width/Button1", "Width/Button2", "Width/ListBox1",
        "Width/ComboBox1", "Width/Form",
        "Height/image1", "Height/image2", "Height/Button1", "Height/Button2", "Height/ListBox1",
        "Height/Form",
        "Left/image1", "Left/image2", "Left/Button1", "Left/Button2", "Left/ListBox1", "Left/ComboBox1",
        "Top/image1", "Top/image2", "Top/Button1", "Top/Button2", "Top/ListBox1", "Top/ComboBox1",
        "ScrollBar/ListBox1"};
    std::vector<std::string> actual;
    for (const LayoutKey& key : LayoutKeys()) actual.push_back(NameOf(key));
    EXPECT_EQ(actual, expected);
}

TEST(LayoutKeys, KindsMatchTheirSectionsAndDefaultsAreWellFormed) {
    for (const LayoutKey& key : LayoutKeys()) {
        std::string section = key.section;
        ValueKind expected = section == "Enable"                         ? ValueKind::Flag
                             : section == "Caption" || section == "File" ? ValueKind::Text
                                                                         : ValueKind::Integer;
        EXPECT_EQ(key.kind, expected) << NameOf(key);
        ASSERT_NE(key.viewerText, nullptr) << NameOf(key);
        ASSERT_NE(key.openText, nullptr) << NameOf(key);
        if (key.kind == ValueKind::Flag) {
            EXPECT_EQ(key.viewerInt, 1) << NameOf(key);  // every element shown
        }
        if (key.kind != ValueKind::Text) {
            EXPECT_STREQ(key.viewerText, "") << NameOf(key);
        }
    }
}

TEST(LayoutKeys, OpenDefaultsDifferFromTheViewersOnlyForTitleAndActions) {
    std::set<std::string> differing;
    for (const LayoutKey& key : LayoutKeys())
        if (key.viewerInt != key.openInt || std::string(key.viewerText) != key.openText)
            differing.insert(NameOf(key));
    EXPECT_EQ(differing, (std::set<std::string>{"Caption/Form", "function/Button1", "function/Button2"}));

    EXPECT_STREQ(FindLayoutKey("Caption", "Form").viewerText, "ロカビナ");
    EXPECT_STREQ(FindLayoutKey("Caption", "Form").openText, "");
    EXPECT_EQ(FindLayoutKey("function", "Button1").viewerInt, -1);
    EXPECT_EQ(FindLayoutKey("function", "Button2").viewerInt, -1);
    EXPECT_EQ(FindLayoutKey("function", "Button1").openInt, 0);
    EXPECT_EQ(FindLayoutKey("function", "Button2").openInt, 1);
}

TEST(LayoutKeys, FindRejectsPairsNoElementHas) {
    EXPECT_THROW(FindLayoutKey("Height", "ComboBox1"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("Left", "Form"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("Top", "Form"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("enable", "image1"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("extension", "count"), std::logic_error);
}

TEST(LayoutKeys, ExtensionKeysAreNumberedWithoutLeadingZeros) {
    EXPECT_EQ(layout::ExtensionKey(1), "ex1");
    EXPECT_EQ(layout::ExtensionKey(10), "ex10");
    EXPECT_EQ(layout::ExtensionKey(123), "ex123");
}

// A layout that holds only the window title: everything else is the viewer's default.
TEST(ViewerReads, TakeTheViewersDefaultsForMissingKeys) {
    testsupport::ScratchFolder folder;
    layout::ProfileFile file(folder.WriteFile("rokabina.rkd", "[Caption]\r\nForm=Menu\r\n"));

    EXPECT_EQ(layout::ReadViewerText(file, layout::kCaption, layout::kForm), "Menu");
    EXPECT_EQ(layout::ReadViewerText(file, layout::kCaption, layout::kButton1), "ボタン1");
    EXPECT_EQ(layout::ReadViewerText(file, layout::kCaption, layout::kComboBox1), "フォルダを選択してください");
    EXPECT_EQ(layout::ReadViewerText(file, layout::kFile, layout::kImage1), "");
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kHeight, layout::kListBox1), 19);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kHeight, layout::kForm), 265);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kLeft, layout::kButton2), 88);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kTop, layout::kImage2), 188);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kFunction, layout::kButton1), -1);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kScrollBar, layout::kListBox1), 1);
    EXPECT_TRUE(layout::ReadViewerFlag(file, layout::kEnable, layout::kNotSizeChange));
}

TEST(ViewerReads, TakeTheFilesValuesOverTheDefaults) {
    testsupport::ScratchFolder folder;
    layout::ProfileFile file(folder.WriteFile(
        "rokabina.rkd", "[Enable]\r\nimage1=0\r\n[Caption]\r\nForm=\r\n[Width]\r\nForm=$64\r\n[Height]\r\nForm=100px\r\n"));

    EXPECT_FALSE(layout::ReadViewerFlag(file, layout::kEnable, layout::kImage1));
    EXPECT_EQ(layout::ReadViewerText(file, layout::kCaption, layout::kForm), "");  // present but empty
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kWidth, layout::kForm), 100);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kHeight, layout::kForm), 265);  // malformed
}

TEST(ViewerReads, RejectAKeyReadAsTheWrongKind) {
    testsupport::ScratchFolder folder;
    layout::ProfileFile file(folder / "rokabina.rkd");
    EXPECT_THROW(layout::ReadViewerText(file, layout::kWidth, layout::kForm), std::logic_error);
    EXPECT_THROW(layout::ReadViewerInteger(file, layout::kEnable, layout::kImage1), std::logic_error);
    EXPECT_THROW(layout::ReadViewerFlag(file, layout::kCaption, layout::kForm), std::logic_error);
}

}  // namespace
