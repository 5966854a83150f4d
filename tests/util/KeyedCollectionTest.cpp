#include <gtest/gtest.h>

#include <string>

#include "src/util/KeyedCollection.h"
#include "tests/support/FailureOf.h"

namespace pwk {
namespace {

using test::FailureOf;

KeyedCollection<std::string> Letters(const std::string& keys) {
    KeyedCollection<std::string> collection;
    for (const char key : keys) {
        collection.Add(std::string(1, key), "item " + std::string(1, key));
    }
    return collection;
}

TEST(KeyedCollection, KeepsTheOrderOfAdditionNumberedFromOne) {
    auto collection = Letters("cab");
    ASSERT_EQ(collection.Count(), 3);
    EXPECT_EQ(collection.Item(1), "item c");
    EXPECT_EQ(collection.Item(3), "item b");
    EXPECT_EQ(collection.Item("a"), "item a");
    EXPECT_EQ(collection.Keys(), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(KeyedCollection, FailsWithTheNumbersCallersRelyOn) {
    auto collection = Letters("ab");
    EXPECT_EQ(FailureOf([&] { collection.Add("a", "again"); }), FailureNumber::DuplicateKey);
    EXPECT_EQ(collection.Count(), 2) << "a refused key adds nothing";
    EXPECT_EQ(collection.Item("a"), "item a");
    EXPECT_EQ(FailureOf([&] { collection.Item("z"); }), FailureNumber::InvalidProcedureCall);
    EXPECT_EQ(FailureOf([&] { collection.Remove("z"); }), FailureNumber::InvalidProcedureCall);
    EXPECT_EQ(FailureOf([&] { collection.Item(0); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { collection.Item(3); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { collection.Remove(3); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { collection.Add("A", "other case"); }), 0)
        << "keys are compared exactly";
}

TEST(KeyedCollection, ARemovalRenumbersWhatFollowsAndKeysStillFindTheirItems) {
    auto collection = Letters("abcde");
    collection.Remove(2);
    collection.Remove("d");
    ASSERT_EQ(collection.Count(), 3);
    EXPECT_EQ(collection.Item(2), "item c");
    EXPECT_EQ(collection.Item("c"), "item c");
    EXPECT_EQ(collection.Item("e"), "item e");
    EXPECT_EQ(collection.Item(3), "item e");
    EXPECT_EQ(FailureOf([&] { collection.Item("b"); }), FailureNumber::InvalidProcedureCall);

    collection.Add("b", "item b again");
    EXPECT_EQ(collection.Item(4), "item b again");
    EXPECT_EQ(collection.Item("b"), "item b again");
    collection.Remove(1);
    EXPECT_EQ(collection.Item("b"), "item b again");
    EXPECT_EQ(collection.Keys(), (std::vector<std::string>{"c", "e", "b"}));
}

}  // namespace
}  // namespace pwk
