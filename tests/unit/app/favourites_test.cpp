#include "app/favourites.h"

#include "fakes/memory_settings_store.h"

#include <gtest/gtest.h>

namespace quilvane {
namespace {

TEST(Favourites, ParsesTheFirstNineCharacters) {
    const std::pair<std::string_view, std::optional<Rgb>> rows[] = {
        {"007000255", Rgb{7, 0, 255}},
        {"1280602559", Rgb{128, 60, 255}}, // the tenth character is ignored
        {" 7  0 255", Rgb{7, 0, 255}},
        {"12345678", std::nullopt},
        {"", std::nullopt},
        {"abc000000", std::nullopt},
        {"000 x 000", std::nullopt},
        {"999000000", std::nullopt},
        {"-12000000", std::nullopt},
    };
    for (const auto& [stored, colour] : rows) {
        EXPECT_EQ(ParseFavouriteSlot(stored), colour) << '"' << stored << '"';
    }
}

TEST(Favourites, RewritesOnlyTheFaultySlots) {
    for (const bool unwritable : {false, true}) {
        MemorySettingsStore store;
        for (int n = 1; n <= 10; ++n) {
            store.values["fav" + std::to_string(n)] = "010020030";
        }
        store.values["fav2"] = "12345";
        store.values.erase("fav5");
        store.values["fav10"] = "256000000";
        store.failWrites = unwritable;

        const FavouriteSlots slots = LoadFavouriteSlots(store);

        const std::vector<std::pair<std::string, std::string>> expectedWrites = {
            {"fav2", "255000000"}, {"fav5", "255255000"}, {"fav10", "040216040"}};
        EXPECT_EQ(store.writes, expectedWrites);
        EXPECT_TRUE(slots.repaired);
        EXPECT_EQ(slots.rewritesSucceeded, !unwritable);
        EXPECT_EQ(slots.colours[0], (Rgb{10, 20, 30}));
        EXPECT_EQ(slots.colours[1], (Rgb{255, 0, 0}));
        EXPECT_EQ(slots.colours[9], (Rgb{40, 216, 40}));
    }
}

} // namespace
} // namespace quilvane
