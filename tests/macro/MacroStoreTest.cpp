#include "macro/MacroStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <thread>

#include "platform/sim/SimPlatform.h"

namespace tx80 {
namespace {

TEST(MacroRecordTest, FieldsLieAtTheirOffsetsLittleEndian) {
  Macro macro;
  macro.SetName(u"a\u5B8F");  // U+5B8F: low byte first
  macro.SetRepeatMode(1);
  macro.SetRepeatCount(0x1234);
  macro.SetEventCount(2);
  macro.SetEvent(3, 65, kActionUp);
  macro.SetDelay(3, 0xABCD);
  macro.SetDelay(254, 0x0102);

  const auto& b = macro.Bytes();
  EXPECT_EQ(b.size(), 1064u);
  EXPECT_EQ(b[0], 'a');
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2], 0x8F);
  EXPECT_EQ(b[3], 0x5B);
  EXPECT_EQ(b[4], 0);  // terminator
  EXPECT_EQ(b[40], 1);
  EXPECT_EQ(b[41], 0x34);
  EXPECT_EQ(b[42], 0x12);
  EXPECT_EQ(b[43], 2);
  EXPECT_EQ(b[44 + 6], 65);
  EXPECT_EQ(b[45 + 6], kActionUp);
  EXPECT_EQ(b[554 + 6], 0xCD);
  EXPECT_EQ(b[555 + 6], 0xAB);
  EXPECT_EQ(b[1062], 0x02);
  EXPECT_EQ(b[1063], 0x01);
  EXPECT_EQ(macro.Name(), u"a\u5B8F");
}

TEST(MacroRecordTest, LongNameIsCutToNineteenUnitsAndKeepsItsTerminator) {
  Macro macro;
  macro.Bytes().fill(0xEE);
  macro.SetName(u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(macro.Name(), u"abcdefghijklmnopqrs");
  EXPECT_EQ(macro.Bytes()[38], 0);
  EXPECT_EQ(macro.Bytes()[39], 0);
  EXPECT_EQ(macro.Bytes()[40], 0xEE);  // the header is not the name's
}

TEST(MacroRecordTest, NameWithoutTerminatorStopsAtTheField) {
  Macro macro;
  std::fill_n(macro.Bytes().begin(), 44, uint8_t{'x'});
  EXPECT_EQ(macro.Name().size(), 20u);
}

class MacroStoreTest : public ::testing::Test {
 protected:
  // Macros "m0".."m{n-1}", each with one event whose code is its index.
  void Fill(int n) {
    for (int i = 0; i < n; ++i) {
      ASSERT_EQ(store.AddMacro(u"m" + std::u16string(1, static_cast<char16_t>(u'0' + i))), i);
      ASSERT_TRUE(store.InsertEvent(i, 0, static_cast<uint8_t>(i), kActionDown));
    }
  }
  std::vector<int> Codes(int index) {
    const Macro macro = *store.Copy(index);
    std::vector<int> codes;
    for (int k = 0; k < macro.EventCount(); ++k) codes.push_back(macro.Code(k));
    return codes;
  }
  std::vector<int> Delays(int index) {
    const Macro macro = *store.Copy(index);
    std::vector<int> delays;
    for (int k = 0; k < macro.EventCount(); ++k) delays.push_back(macro.Delay(k));
    return delays;
  }

  MacroStore store;
};

TEST_F(MacroStoreTest, EmptyStore) {
  EXPECT_EQ(store.MacroCount(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
  EXPECT_EQ(store.FindMacro(u"x"), 0);
  EXPECT_FALSE(store.Copy(0));
  EXPECT_FALSE(store.InsertEvent(0, 0, 65, kActionDown));
}

TEST_F(MacroStoreTest, FindMacroMatchesExactly) {
  Fill(3);
  EXPECT_EQ(store.FindMacro(u"m1"), 1);
  EXPECT_EQ(store.FindMacro(u"M1"), 3);
  EXPECT_EQ(store.FindMacro(u"m"), 3);
  store.AddMacro(u"m1");  // duplicate names: the first one wins
  EXPECT_EQ(store.FindMacro(u"m1"), 1);
}

TEST_F(MacroStoreTest, AddMacroRefusesAFullStoreAndAnEmptyName) {
  EXPECT_EQ(store.AddMacro(u""), -1);
  Fill(12);
  EXPECT_EQ(store.AddMacro(u"thirteen"), -1);
  EXPECT_EQ(store.MacroCount(), 12);
}

TEST_F(MacroStoreTest, NewMacroInAReusedSlotHasNoEventsAndPlaysOnce) {
  Fill(2);
  store.SetRepeatMode(1, 1);
  store.SetRepeatCount(1, 500);
  store.RemoveMacro(1);
  ASSERT_EQ(store.AddMacro(u"fresh"), 1);
  const Macro macro = *store.Copy(1);
  EXPECT_EQ(macro.Name(), u"fresh");
  EXPECT_EQ(macro.RepeatMode(), 0);
  EXPECT_EQ(macro.RepeatCount(), 1);
  EXPECT_EQ(macro.EventCount(), 0);
}

TEST_F(MacroStoreTest, RemoveMacroMovesLaterMacrosDown) {
  Fill(5);
  store.RemoveMacro(2);
  EXPECT_EQ(store.Names(), (std::vector<std::u16string>{u"m0", u"m1", u"m3", u"m4"}));
  EXPECT_EQ(Codes(2), std::vector<int>{3});
  EXPECT_EQ(Codes(3), std::vector<int>{4});
  EXPECT_FALSE(store.Copy(4));  // a button assigned to macro 4 now plays nothing

  store.RemoveMacro(4);
  store.RemoveMacro(-1);
  EXPECT_EQ(store.MacroCount(), 4);
}

TEST_F(MacroStoreTest, ResetMacroBlanksTheRecord) {
  Fill(2);
  store.SetRepeatMode(1, 1);
  store.SetDelay(1, 200, 999);
  store.ResetMacro(1, u"again");
  Macro expected;
  expected.SetName(u"again");
  expected.SetRepeatCount(1);
  EXPECT_EQ(*store.Copy(1), expected);
}

TEST_F(MacroStoreTest, InsertEventStopsAt254Events) {
  Fill(1);
  store.SetEventCount(0, 253);
  EXPECT_TRUE(store.InsertEvent(0, 253, 66, kActionUp));
  EXPECT_EQ(store.Copy(0)->EventCount(), 254);
  const Macro full = *store.Copy(0);
  EXPECT_FALSE(store.InsertEvent(0, 0, 67, kActionDown));
  EXPECT_EQ(*store.Copy(0), full);
}

TEST_F(MacroStoreTest, InsertEventOrWarnShowsOverflowOnlyForAFullMacro) {
  SimDialogs dialogs;
  Fill(1);
  EXPECT_TRUE(InsertEventOrWarn(store, dialogs, nullptr, 0, 0, 65, kActionDown));
  EXPECT_FALSE(InsertEventOrWarn(store, dialogs, nullptr, 5, 0, 65, kActionDown));
  EXPECT_TRUE(dialogs.Messages().empty());

  store.SetEventCount(0, 254);
  EXPECT_FALSE(InsertEventOrWarn(store, dialogs, nullptr, 0, 0, 65, kActionDown));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, u"Overflow!!!");
  EXPECT_EQ(store.Copy(0)->EventCount(), 254);
}

TEST_F(MacroStoreTest, InsertEventShiftsEventsWithTheirDelays) {
  Fill(1);  // event 0: code 0
  store.SetDelay(0, 0, 100);
  ASSERT_TRUE(store.InsertEvent(0, 1, 2, kActionUp));  // append
  store.SetDelay(0, 1, 200);
  ASSERT_TRUE(store.InsertEvent(0, 0, 1, kActionDown));  // at 0: everything moves up
  EXPECT_EQ(Codes(0), (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(Delays(0), (std::vector<int>{30, 100, 200}));
  EXPECT_EQ(store.Copy(0)->Action(2), kActionUp);

  ASSERT_TRUE(store.InsertEvent(0, 99, 9, kActionDown));  // beyond the end appends
  EXPECT_EQ(Codes(0), (std::vector<int>{1, 0, 2, 9}));
}

TEST_F(MacroStoreTest, RemoveEvent) {
  Fill(1);
  store.InsertEvent(0, 1, 1, kActionUp);
  store.InsertEvent(0, 2, 2, kActionDown);
  store.SetDelay(0, 2, 222);
  store.RemoveEvent(0, 1);
  EXPECT_EQ(Codes(0), (std::vector<int>{0, 2}));
  EXPECT_EQ(Delays(0), (std::vector<int>{30, 222}));

  store.RemoveEvent(0, 7);  // beyond the end: only shortens
  EXPECT_EQ(Codes(0), std::vector<int>{0});
  store.RemoveEvent(0, 0);
  EXPECT_EQ(store.Copy(0)->EventCount(), 0);
  store.RemoveEvent(0, 0);
  EXPECT_EQ(store.Copy(0)->EventCount(), 0);
}

TEST_F(MacroStoreTest, SetDelayClampsInsteadOfWrapping) {
  Fill(1);
  const struct {
    int32_t typed;
    int stored;
  } cases[] = {{0, 0}, {250, 250}, {65535, 65535}, {65536, 65535}, {70000, 65535},
               {INT_MAX, 65535}, {-1, 0}, {INT_MIN, 0}};
  for (const auto& c : cases) {
    store.SetDelay(0, 0, c.typed);
    EXPECT_EQ(store.Copy(0)->Delay(0), c.stored) << c.typed;
  }
  store.SetDelay(0, 255, 5);  // no such slot
  store.SetDelay(0, -1, 5);
  EXPECT_EQ(store.Copy(0)->Delay(0), 0);
}

TEST_F(MacroStoreTest, ReplaceSetsCountAndCurrentMacro) {
  std::vector<Macro> macros(3);
  macros[2].SetName(u"third");
  store.Replace(macros);
  EXPECT_EQ(store.MacroCount(), 3);
  EXPECT_EQ(store.CurrentMacro(), 2);
  EXPECT_EQ(store.Copy(2)->Name(), u"third");
  store.Replace({});
  EXPECT_EQ(store.MacroCount(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
}

// The player copies while the page edits: every copy must be a state some
// whole edit left behind. Inserting and removing at 0 keeps event k's code at
// eventCount - k and every delay at 30.
TEST_F(MacroStoreTest, CopiesTakenDuringEditsAreWhole) {
  store.AddMacro(u"busy");
  std::atomic<bool> done{false};
  std::thread player([&] {
    while (!done) {
      const Macro macro = *store.Copy(0);
      for (int k = 0; k < macro.EventCount(); ++k) {
        ASSERT_EQ(macro.Code(k), macro.EventCount() - k);
        ASSERT_EQ(macro.Delay(k), 30);
      }
    }
  });
  for (int round = 0; round < 20; ++round) {
    for (int n = 1; n <= 100; ++n) store.InsertEvent(0, 0, static_cast<uint8_t>(n), kActionDown);
    for (int n = 0; n < 100; ++n) store.RemoveEvent(0, 0);
  }
  done = true;
  player.join();
}

}  // namespace
}  // namespace tx80
