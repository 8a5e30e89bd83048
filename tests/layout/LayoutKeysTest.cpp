#include "layout/LayoutKeys.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "layout/ProfileFile.h"
#include "support/Scratch.h"
#include "support/Wide.h"

namespace {

using testsupport::W;

using layout::FindLayoutKey;

TEST(LayoutKeys, FindRejectsPairsNoElementHas) {
    EXPECT_THROW(FindLayoutKey("Height", "ComboBox1"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("Left", "Form"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("Top", "Form"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("enable", "image1"), std::logic_error);
    EXPECT_THROW(FindLayoutKey("extension", "count"), std::logic_error);
}

// The key table against the elements' traits: each element is placed and
// sized by its keys, and has a height key exactly where it has a height.
TEST(LayoutKeys, EveryElementHasItsPlaceKeysAndAHeightKeyOnlyWhereItHasAHeight) {
    for (const layout::LayoutElement& e : layout::LayoutElements()) {
        for (const char* section : {layout::kEnable, layout::kWidth, layout::kLeft, layout::kTop})
            EXPECT_NO_THROW(FindLayoutKey(section, e.key)) << section << "/" << e.key;
        bool heightKey = true;
        try {
            FindLayoutKey(layout::kHeight, e.key);
        } catch (const std::logic_error&) {
            heightKey = false;
        }
        EXPECT_EQ(heightKey, e.hasHeight) << e.key;
    }
}

TEST(LayoutKeys, ExtensionKeysAreNumberedWithoutLeadingZeros) {
    EXPECT_EQ(layout::ExtensionKey(1), "ex1");
    EXPECT_EQ(layout::ExtensionKey(10), "ex10");
    EXPECT_EQ(layout::ExtensionKey(123), "ex123");
}

// A layout that holds only the window title: everything else is the viewer's default.
TEST(ViewerReads, TakeTheViewersDefaultsForMissingKeys) {
    testsupport::ScratchFolder folder;
    layout::ProfileFile file(W(folder.WriteFile("rokabina.rkd", "[Caption]\r\nForm=Menu\r\n")));

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
    layout::ProfileFile file(W(folder.WriteFile(
        "rokabina.rkd", "[Enable]\r\nimage1=0\r\n[Caption]\r\nForm=\r\n[Width]\r\nForm=$64\r\n[Height]\r\nForm=100px\r\n")));

    EXPECT_FALSE(layout::ReadViewerFlag(file, layout::kEnable, layout::kImage1));
    EXPECT_EQ(layout::ReadViewerText(file, layout::kCaption, layout::kForm), "");  // present but empty
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kWidth, layout::kForm), 100);
    EXPECT_EQ(layout::ReadViewerInteger(file, layout::kHeight, layout::kForm), 265);  // malformed
}

TEST(ViewerReads, RejectAKeyReadAsTheWrongKind) {
    testsupport::ScratchFolder folder;
    layout::ProfileFile file(W(folder / "rokabina.rkd"));
    EXPECT_THROW(layout::ReadViewerText(file, layout::kWidth, layout::kForm), std::logic_error);
    EXPECT_THROW(layout::ReadViewerInteger(file, layout::kEnable, layout::kImage1), std::logic_error);
    EXPECT_THROW(layout::ReadViewerFlag(file, layout::kCaption, layout::kForm), std::logic_error);
}

}  // namespace
