#include "macro/MacroFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "framework/PrivateProfile.h"
#include "macro/MacroStore.h"
#include "platform/sim/SimPlatform.h"
#include "support/TestFiles.h"

namespace tx80 {
namespace {

namespace fs = std::filesystem;

std::u16string Repeat(std::u16string_view text, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Macro "ab": key A down and up, 30 ms each, played once.
Macro AbMacro() {
  Macro macro;
  macro.SetName(u"ab");
  macro.SetRepeatCount(1);
  macro.SetEventCount(2);
  macro.SetEvent(0, 65, kActionDown);
  macro.SetDelay(0, 30);
  macro.SetEvent(1, 65, kActionUp);
  macro.SetDelay(1, 30);
  return macro;
}

// Macro whose every byte is random.
Macro NoiseMacro(uint32_t seed) {
  std::mt19937 random(seed);
  Macro macro;
  for (auto& byte : macro.Bytes()) byte = static_cast<uint8_t>(random());
  return macro;
}

class MacroFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tx80_macrofile_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    path = dir / "Macro_EN.dat";
  }
  void TearDown() override { fs::remove_all(dir); }

  void WriteFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::u16string Key(std::u16string_view key) { return ReadProfileString(files, path, u"Macros", key, 4000); }
  void Load() { LoadMacroFile(files, store, path, dialogs, nullptr); }

  fs::path dir;
  fs::path path;
  test::TestFiles files;
  MacroStore store;
  SimDialogs dialogs;
};

TEST_F(MacroFileTest, WorkedExampleValue) {
  const std::u16string expected = u"097000098000" + Repeat(u"000", 36) + u"000001000002" + u"065001030000" +
                                  u"065002030000" + Repeat(u"000000000000", 253);
  EXPECT_EQ(EncodeMacroValue(AbMacro()), expected);

  store.Replace(std::vector{AbMacro()});
  ASSERT_TRUE(SaveMacroFile(files, store, path));
  EXPECT_EQ(Key(u"macroNum"), u"1");
  EXPECT_EQ(Key(u"0"), expected);
}

TEST_F(MacroFileTest, EveryByteSurvivesButTheLastHalfDigit) {
  const std::vector<Macro> saved = {NoiseMacro(1), NoiseMacro(2), NoiseMacro(3)};
  store.Replace(saved);
  ASSERT_TRUE(SaveMacroFile(files, store, path));
  EXPECT_EQ(files.Replacements(path), 1);  // the count and every macro in one save

  MacroStore loaded;
  LoadMacroFile(files, loaded, path, dialogs, nullptr);
  ASSERT_EQ(loaded.MacroCount(), 3);
  EXPECT_EQ(loaded.CurrentMacro(), 2);
  for (int i = 0; i < 3; ++i) {
    Macro expected = saved[static_cast<std::size_t>(i)];
    // Slot 254's high delay byte is the last field; the reader's buffer holds
    // only its first two digits.
    expected.Bytes()[1063] = static_cast<uint8_t>(expected.Bytes()[1063] / 10);
    EXPECT_EQ(*loaded.Copy(i), expected) << i;
  }
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MacroFileTest, NonAsciiNameSurvives) {
  Macro macro;
  macro.SetName(u"连发宏 ✓");
  store.Replace(std::vector{macro});
  SaveMacroFile(files, store, path);
  MacroStore loaded;
  LoadMacroFile(files, loaded, path, dialogs, nullptr);
  EXPECT_EQ(loaded.Copy(0)->Name(), u"连发宏 ✓");
}

TEST_F(MacroFileTest, EmptyStoreSavesACountOnly) {
  ASSERT_TRUE(SaveMacroFile(files, store, path));
  EXPECT_EQ(Key(u"macroNum"), u"0");
  EXPECT_EQ(Key(u"0"), u"");
  store.Replace(std::vector<Macro>(2));
  Load();
  EXPECT_EQ(store.MacroCount(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
}

TEST_F(MacroFileTest, ShrinkingStoreLeavesOldKeysInTheFile) {
  store.Replace(std::vector{NoiseMacro(1), NoiseMacro(2), NoiseMacro(3), NoiseMacro(4), NoiseMacro(5)});
  SaveMacroFile(files, store, path);
  const std::u16string oldThree = Key(u"3");
  const std::u16string oldFour = Key(u"4");
  store.RemoveMacro(0);
  store.RemoveMacro(0);
  SaveMacroFile(files, store, path);

  EXPECT_EQ(Key(u"macroNum"), u"3");
  EXPECT_EQ(Key(u"3"), oldThree);
  EXPECT_EQ(Key(u"4"), oldFour);
  EXPECT_EQ(Key(u"0"), EncodeMacroValue(NoiseMacro(3)));
  Load();
  EXPECT_EQ(store.MacroCount(), 3);
}

TEST_F(MacroFileTest, MissingFileWarnsAndEmptiesTheStore) {
  store.Replace(std::vector<Macro>(4));
  Load();
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, u"找不到配置文件");
  EXPECT_EQ(dialogs.Messages()[0].caption, kMessageCaption);
  EXPECT_EQ(store.MacroCount(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
  EXPECT_FALSE(fs::exists(path));  // loading never creates the file
}

TEST_F(MacroFileTest, DeclaredCountIsReadFromTwoCharactersAndKeptToTheTable) {
  std::string keys;
  for (int i = 0; i < 13; ++i) keys += std::to_string(i) + "=" + std::to_string(100 + i) + "\r\n";  // name byte 0
  const struct {
    const char* macroNum;
    int count;
  } cases[] = {
      {"3", 3}, {"12", 12}, {"13", 12},  // more than the store holds: the first twelve
      {"-1", 0}, {"-9", 0},              // negative: none
      {"100", 10},                       // only two characters are read
      {"x", 0}, {"", 0}, {" 2", 2},
  };
  for (const auto& c : cases) {
    WriteFile(std::string("[Macros]\r\nmacroNum=") + c.macroNum + "\r\n" + keys);
    Load();
    ASSERT_EQ(store.MacroCount(), c.count) << c.macroNum;
    EXPECT_EQ(store.CurrentMacro(), c.count > 0 ? c.count - 1 : 0) << c.macroNum;
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(store.Copy(i)->Bytes()[0], 100 + i);
  }
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MacroFileTest, MissingKeyReadsAsABlankMacro) {
  WriteFile("[Macros]\r\nmacroNum=3\r\n0=065\r\n1=066\r\n");
  Load();
  ASSERT_EQ(store.MacroCount(), 3);
  EXPECT_EQ(store.Copy(1)->Bytes()[0], 66);
  EXPECT_EQ(*store.Copy(2), Macro{});
}

TEST_F(MacroFileTest, DamagedFieldsDecodeToTheirLowByte) {
  const struct {
    std::u16string value;
    uint8_t byte0, byte1;
  } cases[] = {
      {u"300001", 44, 1},  // above 255 keeps its low 8 bits
      {u"-01002", 255, 2},
      {u"12", 12, 0},      // short value: missing fields are 0
      {u"1x3abc", 1, 0},   // digits up to the first other character
      {u"", 0, 0},
  };
  for (const auto& c : cases) {
    const Macro macro = DecodeMacroValue(c.value);
    EXPECT_EQ(macro.Bytes()[0], c.byte0);
    EXPECT_EQ(macro.Bytes()[1], c.byte1);
    EXPECT_EQ(macro.Bytes()[1063], 0);
  }
  // Fields past the record are not read.
  EXPECT_EQ(DecodeMacroValue(EncodeMacroValue(AbMacro()) + u"999"), AbMacro());
}

}  // namespace
}  // namespace tx80
