#include "app/core/PreferenceStore.h"
#include "support/MemoryPreferenceBackend.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

AppState Load(MemoryPreferenceBackend& backend, std::uint16_t langId) {
    PreferenceStore store(backend, langId);
    AppState state;
    LoadPreferences(store, state);
    return state;
}

TEST(PreferenceStore, FirstRunWritesEveryDefault) {
    MemoryPreferenceBackend backend;
    const AppState state = Load(backend, 0x0804);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.modelIndex, 1);
    EXPECT_EQ(state.TvMode, 0);
    EXPECT_EQ(backend.numbers.at("language"), 1U);
    EXPECT_EQ(backend.numbers.at("model"), 1U);
    EXPECT_EQ(backend.numbers.at("TvMode"), 0U);
    EXPECT_EQ(backend.texts.at("Company"), "Tov Brenn Electronics Co., Ltd");
}

TEST(PreferenceStore, FirstRunLanguageDefaultFollowsTheSystem) {
    MemoryPreferenceBackend liechtenstein;
    EXPECT_EQ(Load(liechtenstein, 0x1407).languageIndex, 3);
    EXPECT_EQ(liechtenstein.numbers.at("language"), 3U);

    MemoryPreferenceBackend germany;
    EXPECT_EQ(Load(germany, 0x0407).languageIndex, 2);
    EXPECT_EQ(germany.numbers.at("language"), 2U);
}

TEST(PreferenceStore, StoredValuesAreKeptAndNotRewritten) {
    MemoryPreferenceBackend backend;
    backend.keyExists = true;
    backend.numbers = {{"language", 5}, {"model", 4}, {"TvMode", 1}};
    backend.texts = {{"Company", "something else"}};
    const AppState state = Load(backend, 0x0409);
    EXPECT_EQ(state.languageIndex, 5);
    EXPECT_EQ(state.modelIndex, 4);
    EXPECT_EQ(state.TvMode, 1);
    EXPECT_EQ(backend.numbers.at("TvMode"), 1U);
    EXPECT_EQ(backend.texts.at("Company"), "something else");
}

TEST(PreferenceStore, OnlyTheLow16BitsCount) {
    MemoryPreferenceBackend backend;
    backend.keyExists = true;
    backend.numbers = {{"language", 0x00010002}, {"model", 0xFFFF0003}, {"TvMode", 0x00070101}};
    const AppState state = Load(backend, 0x0409);
    EXPECT_EQ(state.languageIndex, 2);
    EXPECT_EQ(state.modelIndex, 3);
    EXPECT_EQ(state.TvMode, 0x0101);
}

TEST(PreferenceStore, MissingLanguageInExistingStoreIsNotWritten) {
    MemoryPreferenceBackend backend;
    backend.keyExists = true;
    const AppState state = Load(backend, 0x1407);
    EXPECT_EQ(state.languageIndex, 3);
    EXPECT_FALSE(backend.numbers.contains("language"));
    EXPECT_EQ(backend.numbers.at("model"), 1U);
    EXPECT_EQ(backend.numbers.at("TvMode"), 0U);
    EXPECT_TRUE(backend.texts.contains("Company"));
}

TEST(PreferenceStore, OutOfRangeValuesAreUsedUnchanged) {
    MemoryPreferenceBackend backend;
    backend.keyExists = true;
    backend.numbers = {{"language", 14}, {"model", 7}, {"TvMode", 0}};
    const AppState state = Load(backend, 0x0409);
    EXPECT_EQ(state.languageIndex, 14);
    EXPECT_EQ(state.modelIndex, 7);
}

TEST(PreferenceStore, NoAccessGivesDefaultsSilently) {
    MemoryPreferenceBackend backend;
    backend.writable = false;
    const AppState state = Load(backend, 0x1407);
    EXPECT_EQ(state.languageIndex, 3);
    EXPECT_EQ(state.modelIndex, 1);
    EXPECT_EQ(state.TvMode, 0);
    EXPECT_TRUE(backend.numbers.empty());
    PreferenceStore store(backend, 0x1407);
    EXPECT_FALSE(store.WriteModelPreference(3));
}

TEST(PreferenceStore, WritesStoreTheLow16Bits) {
    MemoryPreferenceBackend backend;
    PreferenceStore store(backend, 0x0409);
    EXPECT_TRUE(store.WriteLanguagePreference(11));
    EXPECT_TRUE(store.WriteTvModePreference(0x12345));
    EXPECT_EQ(backend.numbers.at("language"), 11U);
    EXPECT_EQ(backend.numbers.at("TvMode"), 0x2345U);
}

}  // namespace
}  // namespace tov
