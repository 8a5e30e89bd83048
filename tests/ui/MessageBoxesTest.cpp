#include "ui/MessageBoxes.h"

#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Form.h"

namespace {

using testsupport::DialogAnswer;
using testsupport::IconKind;
using testsupport::Press;

struct YesNoCase {
    Press press;
    bool expectYes;
};

class YesNoAnswers : public testing::TestWithParam<YesNoCase> {};

TEST_P(YesNoAnswers, EscapeAndTheCloseBoxMeanNo) {
    DialogAnswer answer(GetParam().press);
    bool yes = ui::AskWarning("上書きしますか？");
    const auto& box = answer.Wait();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(yes, GetParam().expectYes);
}

INSTANTIATE_TEST_SUITE_P(Presses, YesNoAnswers,
                         testing::Values(YesNoCase{Press::Yes, true}, YesNoCase{Press::No, false},
                                         YesNoCase{Press::Escape, false}, YesNoCase{Press::Close, false},
                                         YesNoCase{Press::Enter, true}));

// A box is laid out for the dpi of the window it belongs to: twice the
// size at 192 dpi, in a message font of twice the height.
TEST(MessageBoxes, ABoxScalesWithItsOwnersDpi) {
    struct Owner : ui::Form {
        Owner() {
            CreateForm({"RokabinaBoxOwner", "owner", {40, 40, 300, 200}, WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12},
                       ui::Application::Instance().Handle());
            ShowWindow(Handle(), SW_SHOW);
            SetActiveWindow(Handle());
        }
    } owner;
    auto frameOfBox = [] {
        DialogAnswer answer(Press::Ok);
        ui::ShowPlainMessage("フォルダを選択してください");
        const RECT r = answer.Wait().frame;
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    const SIZE at96 = frameOfBox();
    RECT place;
    GetWindowRect(owner.Handle(), &place);
    SendMessageW(owner.Handle(), ui::kDpiChanged, MAKEWPARAM(192, 192), LPARAM(&place));
    const SIZE at192 = frameOfBox();
    EXPECT_GE(at192.cx, at96.cx * 17 / 10);
    EXPECT_GE(at192.cy, at96.cy * 17 / 10);
}

TEST(MessageBoxes, TypedQuestionShowsItsKindAndJapaneseButtons) {
    DialogAnswer answer(Press::No);
    ui::AskError("一行目\n\r二行目");
    const auto& box = answer.Wait();
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, "一行目\n\r二行目");
    EXPECT_EQ(box.icon, IconKind::Stop);
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(box.defaultButton, "はい(&Y)");

    DialogAnswer warning(Press::No);
    ui::AskWarning("本当に終了しますか？");
    EXPECT_EQ(warning.Wait().caption, "警告");
    EXPECT_EQ(warning.Wait().icon, IconKind::Warning);
}

TEST(MessageBoxes, PlainAndErrorBoxesCarryTheApplicationTitle) {
    ui::Application::Instance().SetTitle("ロカビナ");
    DialogAnswer plain(Press::Escape);
    ui::ShowPlainMessage("選択してください");
    EXPECT_EQ(plain.Wait().caption, "ロカビナ");
    EXPECT_EQ(plain.Wait().text, "選択してください");
    EXPECT_EQ(plain.Wait().icon, IconKind::None);
    EXPECT_EQ(plain.Wait().buttons, std::vector<std::string>{"OK"});

    DialogAnswer error(Press::Ok);
    ui::Application::Instance().ShowException(std::runtime_error("ファイル x は開けません"));
    EXPECT_EQ(error.Wait().caption, "ロカビナ");
    EXPECT_EQ(error.Wait().text, "ファイル x は開けません.");
    EXPECT_EQ(error.Wait().icon, IconKind::Stop);
}

TEST(MessageBoxes, BoxesAreCentredOnTheScreenNotOnTheWorkArea) {
    testsupport::ScopedWorkArea topLeft({0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
    DialogAnswer plain(Press::Ok);
    ui::ShowPlainMessage("選択してください");
    EXPECT_TRUE(testsupport::CentredOnScreen(plain.Wait().frame));
    DialogAnswer question(Press::No);
    ui::AskWarning("上書きしますか？");
    EXPECT_TRUE(testsupport::CentredOnScreen(question.Wait().frame));
}

TEST(MessageBoxes, HandlerErrorsAreShownAndTheProgramGoesOn) {
    bool after = false;
    DialogAnswer error(Press::Ok);
    ui::Application::Instance().RunHandler([] { throw std::runtime_error("JPEG エラー #42"); });
    after = true;
    EXPECT_EQ(error.Wait().text, "JPEG エラー #42.");
    EXPECT_TRUE(after);
}

TEST(FullStop, AddedUnlessTheLastWholeCharacterSortsAtOrBeforeTheDot) {
    EXPECT_EQ(ui::WithFullStop("abc"), "abc.");
    EXPECT_EQ(ui::WithFullStop("abc."), "abc.");
    EXPECT_EQ(ui::WithFullStop("abc!"), "abc!");
    EXPECT_EQ(ui::WithFullStop("abc "), "abc ");
    EXPECT_EQ(ui::WithFullStop("12"), "12.");
    EXPECT_EQ(ui::WithFullStop("開けません"), "開けません.");
    EXPECT_EQ(ui::WithFullStop("表"), "表.");  // trail byte 0x5C is part of the character
    EXPECT_EQ(ui::WithFullStop(""), "");
}

}  // namespace
