#include <gtest/gtest.h>

#include <string>

#include "framework/Message.h"
#include "platform/sim/JpegImageLoader.h"
#include "support/MouseProgram.h"
#include "ui/Fonts.h"
#include "ui/SkinImages.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

// The main window paints its page from the shipped skin.
class MainWindowPaint : public ::testing::Test {
 protected:
  SimWindowHost& Start(const char* language) {
    WriteFile(program.dir / "config.ini", std::string(test::kFactoryProfile) + "VER_SEL=" + language + "\n");
    return program.Start();
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
};

TEST_F(MainWindowPaint, PaintsThePageWithTheTextsOfTheLanguage) {
  SimWindowHost& window = Start("0");
  const SimCanvas* canvas = window.Paint();
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->Width(), 900);
  // Buttons 6 and 7 carry DPI functions the program performs: the driver waits.
  const auto* status = canvas->FindText(u"配置完成，请点击鼠标第[6]键运行驱动");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->face, u"宋体");
  EXPECT_EQ(status->colour, (fw::Rgb{255, 255, 0}));
  EXPECT_NE(canvas->FindText(u"左键"), nullptr);  // K1 = 1
  // The erase before a paint is left out: the page covers the window.
  EXPECT_EQ(window.Send(fw::msg::kEraseBkgnd, 0, 0), 1);
}

TEST_F(MainWindowPaint, HoverRepaintsTheElementFromTheOverPicture) {
  SimWindowHost& window = Start("1");
  window.Paint();
  const SkinItem& apply = program.context.ui.skin.MainItems[3];
  const fw::Point middle{apply.x + apply.width / 2, apply.y + apply.height / 2};
  JpegImageLoader jpeg;
  const auto over = LoadPicture(jpeg, program.dir / "skins" / "main_over.jpg");
  const auto normal = LoadPicture(jpeg, program.dir / "skins" / "main_normal.jpg");
  ASSERT_TRUE(over && normal);
  ASSERT_NE(over->Pixel(middle.x, middle.y), normal->Pixel(middle.x, middle.y));
  EXPECT_EQ(window.LastPaint()->Surface().Pixel(middle.x, middle.y), normal->Pixel(middle.x, middle.y));

  const int paints = window.Paints();
  window.MoveTo(middle.x, middle.y);
  EXPECT_EQ(window.Paints(), paints + 1);  // painted at once
  EXPECT_EQ(window.LastPaint()->Surface().Pixel(middle.x, middle.y), over->Pixel(middle.x, middle.y));
}

TEST_F(MainWindowPaint, MacroPageControlsAreWhiteOnBlackInTheLanguagesFont) {
  for (const char* language : {"0", "1"}) {
    SimDesktop desktop;
    MouseProgram program(desktop);
    WriteFile(program.dir / "config.ini", std::string("[Init]\nVER_SEL=") + language + "\n");
    program.Start();
    const auto colours = program.dialog.OnCtlColor();
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->font, *language == '1' ? MainFontEn : MainFontCn);
    EXPECT_EQ(colours->text, (fw::Rgb{255, 255, 255}));
    EXPECT_EQ(colours->background, (fw::Rgb{0, 0, 0}));
  }
}

TEST_F(MainWindowPaint, MinimisedDrawsTheIconOnly) {
  SimWindowHost& window = Start("1");
  window.Deliver(fw::Message{fw::msg::kSysCommand, fw::kScMinimize, 0, true});
  const SimCanvas* canvas = window.Paint();
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->Icons().size(), 1u);
  EXPECT_TRUE(canvas->Texts().empty());
}

}  // namespace
}  // namespace tx80
