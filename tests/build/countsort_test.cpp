#include "build/countsort.h"
#include "build/wordcounter.h"

#include <gtest/gtest.h>

#include <random>

namespace kpd {
namespace {

// The ranking sort written out pass by pass, exchanging on "less or equal" against the
// empty entry past the words, each pass ending before the last exchange of the one before.
std::vector<std::int32_t> literalBubble(std::vector<std::int32_t> counts)
{
    const auto n = static_cast<std::int32_t>(counts.size());
    std::vector<std::int32_t> order(counts.size());
    for (std::int32_t i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
    counts.push_back(0);
    order.push_back(-1);
    std::int32_t end = n - 1;
    for (;;) {
        std::int32_t last = 0;
        for (std::int32_t i = 0; i <= end; ++i) {
            const auto a = static_cast<std::size_t>(i);
            if (counts[a] <= counts[a + 1]) {
                std::swap(counts[a], counts[a + 1]);
                std::swap(order[a], order[a + 1]);
                last = i;
            }
        }
        if (last == 0) break;
        end = last - 1;
    }
    order.pop_back();
    return order;
}

TEST(BubbleOrder, EqualCountsComeOutReversed)
{
    EXPECT_EQ(bubbleOrder({1, 1, 1, 1}), (std::vector<std::int32_t>{3, 2, 1, 0}));
}

TEST(BubbleOrder, AnEarlyLastExchangeAtZeroEndsTheSortWithTiesUnreversed)
{
    // Counts 2 2 1 1: pass 1 gives 2b 2a 1b 1a, pass 2 exchanges only the front pair and stops.
    EXPECT_EQ(bubbleOrder({2, 2, 1, 1}), (std::vector<std::int32_t>{0, 1, 3, 2}));
}

TEST(BubbleOrder, DescendingCountsStayAsTheyAre)
{
    EXPECT_EQ(bubbleOrder({9, 5, 3, 1}), (std::vector<std::int32_t>{0, 1, 2, 3}));
    EXPECT_TRUE(bubbleOrder({}).empty());
    EXPECT_EQ(bubbleOrder({7}), (std::vector<std::int32_t>{0}));
}

TEST(BubbleOrder, MatchesThePassByPassSortOnManyTies)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 20000; ++trial) {
        std::vector<std::int32_t> counts(random() % 14);
        const std::uint32_t spread = 1 + random() % 5;
        for (auto& c : counts) c = static_cast<std::int32_t>(1 + random() % spread);
        ASSERT_EQ(bubbleOrder(counts), literalBubble(counts)) << "trial " << trial;
    }
}

TEST(BubbleOrder, MatchesThePassByPassSortOnWordLikeCounts)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 20; ++trial) {
        std::vector<std::int32_t> counts(500 + random() % 1500);
        for (auto& c : counts) c = static_cast<std::int32_t>(1 + 400 / (1 + random() % counts.size()));
        ASSERT_EQ(bubbleOrder(counts), literalBubble(counts)) << "trial " << trial;
    }
}

TEST(WordCounter, CountsWordsOfThreeOrMoreCharactersInFirstSeenOrder)
{
    WordCounter counter;
    for (const char* w : {"abc", "ab", "xyz", "abc", "a", "Abc"}) counter.countWord(w);
    ASSERT_EQ(counter.size(), 3u);
    EXPECT_EQ(counter.word(0), "abc");
    EXPECT_EQ(counter.count(0), 2);
    EXPECT_EQ(counter.word(2), "Abc");
}

TEST(WordCounter, CountsPastTheSixteenBitRangeWithoutWrapping)
{
    WordCounter counter;
    for (int i = 0; i < 40000; ++i) counter.countWord("often");
    for (int i = 0; i < 10; ++i) counter.countWord("rare");
    EXPECT_EQ(counter.count(0), 40000);
    const std::vector<std::string> words = counter.dictionaryWords();
    ASSERT_EQ(words.size(), 256u);
    EXPECT_EQ(words[0], "often");
    EXPECT_EQ(words[1], "rare");
    EXPECT_EQ(words[2], "");
}

} // namespace
} // namespace kpd
