// Damaged pictures of every kind the programs load: cut at every length and
// mutated with lying headers, fed to the picture loader, a share of them to
// the designer's "変更" and to the viewer's start-up. Each gives a picture or
// its kind's message, never a crash, a hang or unbounded memory.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>

#include "designer/MainForm.h"
#include "picture/Picture.h"
#include "robustness/Robustness.h"
#include "support/Scratch.h"
#include "support/Wide.h"
#include "ui/Application.h"
#include "ui/Sound.h"
#include "viewer/MainForm.h"

namespace {

using testsupport::W;

using namespace robustness;
using testsupport::ScratchFolder;
using Format = Mutator::Format;

constexpr uint32_t kSeed = 7081;
constexpr int kMutantsPerSeed = 300;
// Shares of the mutants that also go through a window, which costs far more.
constexpr int kDesignerShare = 12;
constexpr int kViewerShare = 30;

std::string ExtensionOf(const std::string& name) { return name.substr(name.rfind('.')); }

std::string DecoderMessage(Format format) {
    switch (format) {
    case Format::Bitmap: return "ビットマップイメージが不正です";
    case Format::Icon: return "アイコンイメージが不正です";
    case Format::Jpeg: return "JPEG エラー #";
    case Format::Png: return "PNG イメージが不正です";
    case Format::Webp: return "WebP イメージが不正です";
    case Format::Gif: return "GIF イメージが不正です";
    default: return "メタファイルが不正です";
    }
}

// What loading gives: nullopt for a picture, else the failure's message.
// Anything but a PictureError is reported as such.
std::optional<std::string> LoadOutcome(const std::string& path, int* width = nullptr) {
    try {
        ui::Graphic loaded = picture::LoadPicture(W(path));
        if (width) *width = loaded.Width();
        return std::nullopt;
    } catch (const picture::PictureError& e) {
        return std::string(e.what());
    } catch (const std::exception& e) {
        return std::string("(not a picture error) ") + e.what();
    }
}

bool IsMessageOf(const std::string& message, Format format) {
    const std::string expected = DecoderMessage(format);
    if (format != Format::Jpeg) return message == expected;
    return message.starts_with(expected) && message.size() > expected.size() &&
           message.find_first_not_of("0123456789", expected.size()) == std::string::npos;
}

// The lengths a seed is cut at: all of a small file, the head and a spread of a large one.
std::vector<size_t> CutLengths(size_t size) {
    std::vector<size_t> lengths;
    for (size_t n = 0; n < size; n += n < 1200 ? 1 : size / 300) lengths.push_back(n);
    return lengths;
}

struct Case {
    const SeedPicture* seed;
    Mutant mutant;
};

// Every mutant of the run in order: the cuts of each seed, then the random mutants.
std::vector<Case> AllCases(const std::vector<SeedPicture>& seeds) {
    std::vector<Case> cases;
    Mutator mutator(kSeed);
    for (const SeedPicture& seed : seeds) {
        for (size_t n : CutLengths(seed.bytes.size()))
            cases.push_back({&seed, {seed.bytes.substr(0, n), seed.name + " cut at " + std::to_string(n)}});
        for (int i = 0; i < kMutantsPerSeed; ++i) {
            Mutant m = mutator.Picture(seed.bytes, seed.format);
            m.how = seed.name + " " + m.how;
            cases.push_back({&seed, std::move(m)});
        }
    }
    return cases;
}

class PictureMutation : public testing::Test {
protected:
    void SetUp() override { ui::SetSoundObserver([](UINT) {}); }
    void TearDown() override { ui::SetSoundObserver(nullptr); }

    void Fail(size_t index, const Case& c, const std::string& what) {
        if (++failures_ <= 15) ADD_FAILURE() << "case " << index << " (" << c.mutant.how << "): " << what;
    }

    std::vector<SeedPicture> seeds = SeedPictures();
    std::vector<Case> cases = AllCases(seeds);
    ScratchFolder dir;
    BoxAnswerer answerer;
    Watchdog watchdog;
    int failures_ = 0;
};

TEST_F(PictureMutation, EverySeedLoads) {
    for (const SeedPicture& seed : seeds) {
        int width = 0;
        std::optional<std::string> failure = LoadOutcome(dir.WriteFile(seed.name, seed.bytes), &width);
        EXPECT_FALSE(failure) << seed.name << ": " << *failure;
        EXPECT_GT(width, 0) << seed.name;
    }
}

TEST_F(PictureMutation, TheLoaderGivesAPictureOrItsKindsMessage) {
    Memory early;
    std::map<std::string, std::pair<int, int>> outcomes;  // per seed: loaded, refused
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        std::string path = dir.WriteFile("mutant" + ExtensionOf(c.seed->name), c.mutant.bytes);
        watchdog.Begin("LoadPicture, case " + std::to_string(i) + ": " + c.mutant.how);
        std::optional<std::string> failure = LoadOutcome(path);
        watchdog.End();
        if (failure && !IsMessageOf(*failure, c.seed->format)) Fail(i, c, "message \"" + *failure + "\"");
        ++(failure ? outcomes[c.seed->name].second : outcomes[c.seed->name].first);
        if (i == cases.size() / 10) early = ProcessMemory();
    }
    EXPECT_EQ(failures_, 0) << "of " << cases.size() << " cases";
    // Mutants that all fail at the first check would test nothing past it.
    for (const auto& [seed, counts] : outcomes) {
        EXPECT_GT(counts.first, 0) << seed << ": no mutant loaded";
        EXPECT_GT(counts.second, 0) << seed << ": no mutant was refused";
    }
    Memory end = ProcessMemory();
    EXPECT_LT(end.peakWorkingSet, kMemoryCeiling);
    EXPECT_LT(end.privateBytes, early.privateBytes + kGrowthSlack);
}

// "変更" takes .bmp and .jpg names: what it shows is exactly what loading gives.
TEST_F(PictureMutation, TheDesignersPictureButtonShowsTheLoadersMessage) {
    ui::Application::Instance().SetTitle("ロカビナデザイナー");
    ui::Application::Instance().ClearTermination();
    auto form = std::make_unique<designer::TForm1>(W(dir / "rokabina_designer.exe"));
    for (size_t i = 0; i < cases.size(); i += kDesignerShare) {
        const Case& c = cases[i];
        if (c.seed->format != Format::Bitmap && c.seed->format != Format::Jpeg) continue;
        std::string path = dir.WriteFile(c.seed->format == Format::Bitmap ? "pick.bmp" : "pick.jpg", c.mutant.bytes);
        int width = 0;
        std::optional<std::string> failure = LoadOutcome(path, &width);
        form->Get<ui::Edit>("Edit1").SetText(path);
        watchdog.Begin("designer picture button, case " + std::to_string(i) + ": " + c.mutant.how);
        ui::Application::Instance().RunHandler([&] { form->Button1Click(); });
        watchdog.End();
        std::vector<Box> boxes = answerer.Take();
        if (failure) {
            if (boxes.size() != 1 || boxes[0].caption != "ロカビナデザイナー" || boxes[0].text != *failure + ".")
                Fail(i, c, "expected one box \"" + *failure + ".\", got " + std::to_string(boxes.size()) +
                               (boxes.empty() ? "" : " \"" + boxes[0].text + "\""));
        } else {
            if (!boxes.empty()) Fail(i, c, "box \"" + boxes[0].text + "\" for a good picture");
            const ui::Graphic* shown = form->Frame2->PictureOf(designer::kHeaderPicture)->Picture();
            if (!shown || shown->Width() != width) Fail(i, c, "the loaded picture is not shown");
        }
    }
    form.reset();
    EXPECT_EQ(failures_, 0);
}

// The header picture at start-up: the same picture or message as loading gives.
TEST_F(PictureMutation, TheViewerStartUpShowsTheLoadersMessage) {
    ui::Application::Instance().SetTitle("ロカビナ");
    for (size_t i = 0; i < cases.size(); i += kViewerShare) {
        const Case& c = cases[i];
        std::string name = "pic" + ExtensionOf(c.seed->name);
        dir.WriteFile("rokabina.rkd", "[File]\r\nimage1=" + dir / name + "\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
        std::optional<std::string> failure = LoadOutcome(dir.WriteFile(name, c.mutant.bytes));
        watchdog.Begin("viewer start-up picture, case " + std::to_string(i) + ": " + c.mutant.how);
        ui::Application::Instance().ClearTermination();
        bool shown = false;
        {
            viewer::TForm1 form(W(dir / "rokabina.exe"));
            shown = form.Image1 && form.Image1->Picture();
        }
        watchdog.End();
        std::vector<Box> boxes = answerer.Take();
        if (failure) {
            if (boxes.size() != 1 || boxes[0].caption != "ロカビナ" || boxes[0].text != *failure + ".")
                Fail(i, c, "expected one box \"" + *failure + ".\", got " + std::to_string(boxes.size()));
        } else if (!boxes.empty() || !shown) {
            Fail(i, c, "a good picture was not shown");
        }
    }
    EXPECT_EQ(failures_, 0);
}

}  // namespace
