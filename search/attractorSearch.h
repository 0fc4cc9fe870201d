#pragma once
// The attractor search: candidate parameter sets drawn from (seed, index),
// classified on worker threads, and the first accepted ones by index kept, so
// that a seed gives the same results whatever the number of threads.
//
// A parameter's value is drawn uniformly in its interval and written with
// five decimals, as a parameter window writes it; the value searched is that
// text's value as the window's value field reads it, so a result renders as
// the search saw it.

#include "formula/real48.h"
#include "search/orbitClassifier.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace gyrelune {

struct ParameterRange {
    std::string name;
    Real48 minimum, maximum; // either order
};

struct SearchSettings {
    std::array<std::string, 3> formulas; // X new, Y new, Z new
    std::vector<ParameterRange> parameters;
    std::size_t wanted = 10;
    std::uint64_t seed = 1;
    double timeBudgetSeconds = 60;
    unsigned jobs = 1;
    std::uint64_t firstCandidate = 0;
    std::uint64_t candidateLimit = std::numeric_limits<std::uint64_t>::max(); // at most this many
    OrbitPoint start{1, 1, 1}; // where the renderer starts the orbit
    ClassifierSettings classifier;
};

struct SearchResult {
    std::uint64_t candidate = 0;
    std::vector<std::string> valueTexts; // in the order of SearchSettings::parameters
    std::vector<Real48> values;
    std::array<double, 3> exponents{0, 0, 0}; // largest first
    double kaplanYorke = 0, correlationDimension = 0, fill = 0;
    // What ranks the results: the share of its own extent it lights, weighted
    // by its dimension, so a cloud comes before a curve and a curve before dust.
    double looks() const { return fill * correlationDimension; }
};

enum class SearchEnd { enough, timeUp, stopped, limitReached, badFormulas };

struct SearchOutcome {
    // The first `wanted` accepted candidates by index, ranked: looks first,
    // then the largest exponent, then candidate index.
    std::vector<SearchResult> results;
    std::uint64_t examined = 0; // candidates from firstCandidate on, all classified
    std::array<std::uint64_t, verdictCount> verdicts{};
    double seconds = 0;
    SearchEnd end = SearchEnd::enough;
};

struct SearchProgress {
    std::uint64_t examined = 0;
    std::size_t accepted = 0;
    double seconds = 0;
};

// Candidate `index`'s values (texts and their values).
void drawCandidate(const std::vector<ParameterRange>& parameters, std::uint64_t seed,
                   std::uint64_t index, std::vector<std::string>& texts,
                   std::vector<Real48>& values);

// Runs the search on settings.jobs threads and waits for it. stop (may be null)
// is polled; progress (may be empty) is called on the calling thread now and then.
SearchOutcome runSearch(const SearchSettings& settings, const std::atomic<bool>* stop = nullptr,
                        const std::function<void(const SearchProgress&)>& progress = {});

// "rejected: 12 escaped, 3 settled, ..." for the verdicts that occurred, and a
// hint when flat figures were among them.
std::string rejectionSummary(const SearchOutcome& outcome);

// "chaotic and bounded: 19 of 1000 (1.9 %); accepted: 12 (1.2 %)": the
// chaotic ones include those refused for their looks.
std::string chaosRates(const SearchOutcome& outcome);

// Ranking order: true when a comes before b.
bool ranksBefore(const SearchResult& a, const SearchResult& b);

} // namespace gyrelune
