#include "ui/MessageBoxes.h"

#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "ui/Application.h"

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
