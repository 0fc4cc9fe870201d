#include "search/attractorSearch.h"

#include "formula/formulaField.h"
#include "formula/realToText.h"
#include "search/candidateRandom.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace gyrelune {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto coordinatorTick = std::chrono::milliseconds(50);

// What the workers and the coordinator share.
struct SearchState {
    explicit SearchState(const SearchSettings& s) : settings(s), next(s.firstCandidate) {}

    const SearchSettings& settings;
    std::atomic<std::uint64_t> next;
    std::atomic<bool> halt{false};
    std::atomic<unsigned> working{0};
    std::mutex mutex;
    std::condition_variable changed;
    // Per candidate from firstCandidate on: 0 while not classified, else verdict + 1.
    std::vector<std::uint8_t> done;
    std::vector<SearchResult> accepted; // in the order they were found
};

void record(SearchState& state, std::uint64_t offset, const Classification& classification,
            SearchResult&& result) {
    std::lock_guard lock(state.mutex);
    if (state.done.size() <= offset) state.done.resize(std::size_t(offset) + 1, 0);
    state.done[std::size_t(offset)] = std::uint8_t(std::uint8_t(classification.verdict) + 1);
    if (classification.verdict == Verdict::accepted) state.accepted.push_back(std::move(result));
    state.changed.notify_one();
}

// One thread: its own formulas, never shared with another thread.
void work(SearchState& state) {
    const SearchSettings& settings = state.settings;
    OrbitStage orbit;
    orbit.compile(settings.formulas);
    OrbitClassifier classifier(settings.classifier);
    while (!state.halt.load(std::memory_order_relaxed)) {
        const std::uint64_t index = state.next.fetch_add(1);
        const std::uint64_t offset = index - settings.firstCandidate;
        if (offset >= settings.candidateLimit) break;
        SearchResult result;
        result.candidate = index;
        drawCandidate(settings.parameters, settings.seed, index, result.valueTexts, result.values);
        for (std::size_t i = 0; i < settings.parameters.size(); ++i)
            orbit.setParameter(settings.parameters[i].name, result.values[i]);
        const Classification classification =
            classifier.classify(orbit, settings.start, &state.halt);
        if (classification.verdict == Verdict::interrupted) break;
        result.exponents = classification.exponents;
        result.kaplanYorke = classification.kaplanYorke;
        result.correlationDimension = classification.correlationDimension;
        result.fill = classification.fill;
        record(state, offset, classification, std::move(result));
    }
    std::lock_guard lock(state.mutex);
    --state.working;
    state.changed.notify_one();
}

// Advances the classified prefix; called with the mutex held.
void advancePrefix(const SearchState& state, std::uint64_t& prefix, std::size_t& accepted) {
    while (prefix < state.done.size() && state.done[std::size_t(prefix)] != 0) {
        if (state.done[std::size_t(prefix)] == std::uint8_t(Verdict::accepted) + 1) ++accepted;
        ++prefix;
    }
}

SearchOutcome collect(const SearchState& state, std::uint64_t prefix) {
    const SearchSettings& settings = state.settings;
    SearchOutcome outcome;
    outcome.examined = prefix;
    for (std::uint64_t i = 0; i < prefix; ++i)
        ++outcome.verdicts[std::size_t(state.done[std::size_t(i)] - 1)];
    for (const SearchResult& result : state.accepted)
        if (result.candidate - settings.firstCandidate < prefix) outcome.results.push_back(result);
    std::sort(
        outcome.results.begin(), outcome.results.end(),
        [](const SearchResult& a, const SearchResult& b) { return a.candidate < b.candidate; });
    if (outcome.results.size() > settings.wanted) outcome.results.resize(settings.wanted);
    std::sort(outcome.results.begin(), outcome.results.end(), ranksBefore);
    return outcome;
}

// Why the search ends now, or false to go on; called with the mutex held.
bool shouldEnd(const SearchState& state, std::uint64_t prefix, std::size_t accepted, double seconds,
               const std::atomic<bool>* stop, SearchEnd& end) {
    const SearchSettings& settings = state.settings;
    if (accepted >= settings.wanted)
        end = SearchEnd::enough;
    else if (prefix >= settings.candidateLimit)
        end = SearchEnd::limitReached;
    else if (stop && stop->load())
        end = SearchEnd::stopped;
    else if (seconds >= settings.timeBudgetSeconds)
        end = SearchEnd::timeUp;
    else if (state.working == 0)
        end = SearchEnd::limitReached;
    else
        return false;
    return true;
}

} // namespace

void drawCandidate(const std::vector<ParameterRange>& parameters, std::uint64_t seed,
                   std::uint64_t index, std::vector<std::string>& texts,
                   std::vector<Real48>& values) {
    CandidateRandom random(seed, index);
    texts.clear();
    values.clear();
    for (const ParameterRange& parameter : parameters) {
        const long double low =
            std::min(parameter.minimum.toDouble(), parameter.maximum.toDouble());
        const long double high =
            std::max(parameter.minimum.toDouble(), parameter.maximum.toDouble());
        const long double drawn = low + (high - low) * random.uniform();
        texts.push_back(realToText(5, Real48::fromExtended(drawn)));
        // The value as the parameter window's value field reads the text.
        FormulaField field(texts.back());
        field.compileAndMark(); // a number text from realToText is always well formed
        values.push_back(field.value());
    }
}

std::string rejectionSummary(const SearchOutcome& outcome) {
    std::string text = "rejected:";
    bool any = false;
    for (int v = 1; v < verdictCount - 1; ++v) {
        const std::uint64_t count = outcome.verdicts[std::size_t(v)];
        if (count == 0) continue;
        text.append(any ? ", " : " ").append(std::to_string(count));
        text.append(" ").append(verdictName(Verdict(v)));
        any = true;
    }
    if (!any) text += " none";
    if (outcome.verdicts[std::size_t(Verdict::flat)] != 0)
        text += " (a flat figure has no depth to colour: Z new needs a depth, such as x)";
    return text;
}

std::string chaosRates(const SearchOutcome& outcome) {
    const auto count = [&](Verdict v) { return outcome.verdicts[std::size_t(v)]; };
    const std::uint64_t accepted = count(Verdict::accepted);
    const std::uint64_t chaotic = accepted + count(Verdict::flat) + count(Verdict::fewPixels);
    const double all = double(std::max<std::uint64_t>(outcome.examined, 1));
    char text[160];
    std::snprintf(text, sizeof text,
                  "chaotic and bounded: %llu of %llu (%.2f %%); accepted: %llu (%.2f %%)",
                  (unsigned long long)chaotic, (unsigned long long)outcome.examined,
                  100.0 * double(chaotic) / all, (unsigned long long)accepted,
                  100.0 * double(accepted) / all);
    return text;
}

bool ranksBefore(const SearchResult& a, const SearchResult& b) {
    if (a.looks() != b.looks()) return a.looks() > b.looks();
    if (a.exponents[0] != b.exponents[0]) return a.exponents[0] > b.exponents[0];
    return a.candidate < b.candidate;
}

SearchOutcome runSearch(const SearchSettings& settings, const std::atomic<bool>* stop,
                        const std::function<void(const SearchProgress&)>& progress) {
    const Clock::time_point started = Clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(Clock::now() - started).count();
    };
    OrbitStage check;
    if (!check.compile(settings.formulas)) {
        SearchOutcome outcome;
        outcome.end = SearchEnd::badFormulas;
        return outcome;
    }

    SearchState state(settings);
    const unsigned jobs = std::max(settings.jobs, 1u);
    state.working = jobs;
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < jobs; ++i)
        workers.emplace_back(work, std::ref(state));

    std::uint64_t prefix = 0;
    std::size_t accepted = 0;
    SearchEnd end = SearchEnd::enough;
    for (;;) {
        SearchProgress now;
        {
            std::unique_lock lock(state.mutex);
            state.changed.wait_for(lock, coordinatorTick);
            advancePrefix(state, prefix, accepted);
            now = {prefix, accepted, elapsed()};
            if (shouldEnd(state, prefix, accepted, now.seconds, stop, end)) break;
        }
        if (progress) progress(now);
    }
    state.halt = true;
    for (std::thread& worker : workers)
        worker.join();
    advancePrefix(state, prefix, accepted);
    SearchOutcome outcome = collect(state, prefix);
    outcome.seconds = elapsed();
    outcome.end = end;
    if (progress) progress({prefix, std::min(accepted, settings.wanted), outcome.seconds});
    return outcome;
}

} // namespace gyrelune
