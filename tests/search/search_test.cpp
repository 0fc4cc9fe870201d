// The search over the default attractor's constants made parameters.
#include "search/attractorSearch.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gyrelune {
namespace {

SearchSettings defaultAttractorSearch(unsigned jobs) {
    SearchSettings settings;
    settings.formulas = {"sin(x*y*a/pi)+y*b+c", "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                         "1.93*cos(y*x)+0.49*sin(x)"};
    settings.parameters = {{"a", Real48::fromExtended(3), Real48::fromExtended(6)},
                           {"b", Real48::fromExtended(0), Real48::fromExtended(1)},
                           {"c", Real48::fromExtended(0), Real48::fromExtended(1)}};
    settings.wanted = 3;
    settings.seed = 7;
    settings.jobs = jobs;
    settings.classifier.confirmationSteps = 5000;
    return settings;
}

TEST(AttractorSearch, SameSeedSameResultsWhateverTheThreads) {
    const SearchOutcome one = runSearch(defaultAttractorSearch(1));
    const SearchOutcome two = runSearch(defaultAttractorSearch(2));
    ASSERT_EQ(one.end, SearchEnd::enough);
    ASSERT_EQ(one.results.size(), 3u);
    ASSERT_EQ(two.results.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(one.results[i].candidate, two.results[i].candidate);
        EXPECT_EQ(one.results[i].valueTexts, two.results[i].valueTexts);
        EXPECT_EQ(one.results[i].exponents, two.results[i].exponents);
        EXPECT_EQ(one.results[i].fill, two.results[i].fill);
        if (i > 0) {
            EXPECT_TRUE(ranksBefore(one.results[i - 1], one.results[i]));
        }
    }
    // Values are written as a parameter window writes them, and lie in the interval.
    const std::string& a = one.results[0].valueTexts[0];
    EXPECT_EQ(a.size() - a.find('.'), 6u) << a;
    EXPECT_GE(one.results[0].values[0].toDouble(), 3.0);
    EXPECT_LE(one.results[0].values[0].toDouble(), 6.0);
}

// Looks (fill times dimension) first, then the largest exponent, then the index.
TEST(AttractorSearch, RanksByLooksThenExponentThenCandidate) {
    std::vector<SearchResult> results(5);
    const double fills[] = {0.1, 0.3, 0.1, 0.3, 0.2}, dimensions[] = {2, 1, 2, 1, 1},
                 exponents[] = {0.5, 0.2, 0.5, 0.4, 0.9};
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i].candidate = 9 - i;
        results[i].fill = fills[i];
        results[i].correlationDimension = dimensions[i];
        results[i].exponents[0] = exponents[i];
    }
    std::sort(results.begin(), results.end(), ranksBefore);
    std::vector<std::uint64_t> order;
    for (const SearchResult& result : results)
        order.push_back(result.candidate);
    EXPECT_EQ(order, (std::vector<std::uint64_t>{6, 8, 5, 7, 9}));
}

TEST(AttractorSearch, AStopOrALimitKeepsWhatWasFound) {
    SearchSettings settings = defaultAttractorSearch(2);
    settings.wanted = 1000;
    settings.candidateLimit = 30;
    const SearchOutcome limited = runSearch(settings);
    EXPECT_EQ(limited.end, SearchEnd::limitReached);
    EXPECT_EQ(limited.examined, 30u);
    std::uint64_t counted = 0;
    for (std::uint64_t n : limited.verdicts)
        counted += n;
    EXPECT_EQ(counted, 30u);
    EXPECT_EQ(limited.results.size(), limited.verdicts[std::size_t(Verdict::accepted)]);

    const std::atomic<bool> stop{true};
    settings.candidateLimit = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(runSearch(settings, &stop).end, SearchEnd::stopped);
    settings.formulas[0] = "x+";
    EXPECT_EQ(runSearch(settings).end, SearchEnd::badFormulas);
}

} // namespace
} // namespace gyrelune
