// Throughput of the text rules on long texts, and how their time grows from 1 MB to 10 MB
// against a plain copy of the same text.
//
//   quilvane_core_bench [google benchmark flags]
//
// Google Benchmark's own report goes to standard error; standard output gets tab-separated
// rows "measure, value, target" for bench/run-bench, built from the medians of the repetitions.
#include "colour/line_breaks.h"
#include "colour/markup.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace {

using quilvane::ComposeMarkupText;
using quilvane::LineBreaksToTags;
using quilvane::MarkupInputs;
using quilvane::TagsToLineBreaks;

constexpr std::array<std::int64_t, 4> kSizes = {10'000, 100'000, 1'000'000, 10'000'000};
constexpr int kRepetitions = 5;

// A text of exactly `size` bytes: lines of mixed Japanese and Latin text, each ended by
// `lineEnd`, as a long text typed into the program would be.
std::string LongText(std::int64_t size, const std::string& lineEnd) {
    const std::string line =
        "Quilvane は手書きの HTML のための道具です。The quick brown fox 0123456789" + lineEnd;
    std::string text;
    text.reserve(static_cast<std::size_t>(size) + line.size());
    while (static_cast<std::int64_t>(text.size()) < size) {
        text += line;
    }
    text.resize(static_cast<std::size_t>(size));
    return text;
}

// Every element and attribute switched on, so the whole composition is measured.
MarkupInputs FullMarkup(std::string text) {
    return {.text = std::move(text),
            .colourCode = "#FF8000",
            .sizeText = "5",
            .sizePosition = 5,
            .faceText = "Noto Sans CJK JP",
            .facePosition = 3,
            .marquee = true,
            .bold = true,
            .italic = true,
            .center = true,
            .marqueeAttributes = {.direction = " direction = \"right\"",
                                  .scrollAmount = " scrollamount = \"6\"",
                                  .scrollDelay = " scrolldelay = \"90\"",
                                  .behavior = " behavior = \"alternate\"",
                                  .width = " width = \"100%\""},
            .small = true};
}

// The measured rules, in the order of the table, and a plain copy of the text as the reference:
// it shows what the caches and the memory alone do to the growth from 1 MB to 10 MB.
constexpr std::array<const char*, 4> kRuleNames = {"ComposeMarkupText", "LineBreaksToTags",
                                                   "TagsToLineBreaks", "CopyText"};

// Registers one benchmark per text size: `prepare` turns the text into the rule's input once,
// outside the timed loop, and `run` applies the rule to it.
template <class Prepare, class Run>
void RegisterRule(const char* name, const std::string& lineEnd, Prepare prepare, Run run) {
    for (const std::int64_t size : kSizes) {
        auto input = std::make_shared<const std::invoke_result_t<Prepare, std::string>>(
            prepare(LongText(size, lineEnd)));
        benchmark::RegisterBenchmark(name,
                                     [input, run, size](benchmark::State& state) {
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(run(*input));
                                         }
                                         state.SetBytesProcessed(state.iterations() * size);
                                     })
            ->Arg(size)
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly()
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    }
}

std::string AsIs(std::string text) {
    return text;
}

// Collects the median real time of each benchmark, in seconds, by rule name and text size.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    std::map<std::pair<std::string, std::int64_t>, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                seconds[{run.run_name.function_name, std::stoll(run.run_name.args)}] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }
};

std::string Megabytes(std::int64_t size) {
    return size >= 1'000'000 ? std::to_string(size / 1'000'000) + " MB"
                             : std::to_string(size / 1'000) + " KB";
}

// Linear in the text: a rule's time may grow from 1 MB to 10 MB by at most this much more than
// a plain copy of the same text grows in the same run (the copy shows the caches and memory).
constexpr double kGrowthOverCopy = 1.1;
constexpr double kMinimumMegabytesPerSecond = 1000;

const char* Verdict(bool met) {
    return met ? " (met)" : " (missed)";
}

void PrintRows(const MedianCollector& collector) {
    std::string sizes;
    for (const std::int64_t size : kSizes) {
        sizes += (sizes.empty() ? "" : " / ") + Megabytes(size);
    }
    const auto growth = [&collector](const char* name) {
        return collector.seconds.at({name, 10'000'000}) / collector.seconds.at({name, 1'000'000});
    };
    const char* copy = kRuleNames.back();
    for (const char* name : kRuleNames) {
        const bool reference = name == copy;
        std::string throughput;
        bool fastEnough = true;
        for (const std::int64_t size : kSizes) {
            const double megabytesPerSecond =
                static_cast<double>(size) / 1e6 / collector.seconds.at({name, size});
            fastEnough = fastEnough && megabytesPerSecond >= kMinimumMegabytesPerSecond;
            char value[32];
            std::snprintf(value, sizeof value, "%.0f", megabytesPerSecond);
            throughput += (throughput.empty() ? "" : " / ") + std::string(value);
        }
        const std::string target =
            reference ? std::string()
                      : ">= " + std::to_string(static_cast<int>(kMinimumMegabytesPerSecond)) +
                            " MB/s at every size" + Verdict(fastEnough);
        std::printf("%s%s throughput at %s [median of %d]\t%s MB/s\t%s\n",
                    reference ? "Reference: " : "", name, sizes.c_str(), kRepetitions,
                    throughput.c_str(), target.c_str());
        if (reference) {
            std::printf("Reference: %s time growth 1 MB -> 10 MB\t%.2fx\t\n", name, growth(name));
        } else {
            const double relative = growth(name) / growth(copy);
            std::printf("%s time growth 1 MB -> 10 MB over %s's\t%.2f (%.2fx against %.2fx)\t<= "
                        "%.2f%s\n",
                        name, copy, relative, growth(name), growth(copy), kGrowthOverCopy,
                        Verdict(relative <= kGrowthOverCopy));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterRule(kRuleNames[0], "<br>", FullMarkup, [](const MarkupInputs& inputs) {
        // The marquee tag's few letters keep their case: the text is what counts.
        constexpr auto sameCase = [](char32_t c, bool) { return c; };
        return ComposeMarkupText(inputs, sameCase).size();
    });
    RegisterRule(kRuleNames[1], "\r\n", AsIs,
                 [](const std::string& text) { return LineBreaksToTags(text, true).size(); });
    RegisterRule(kRuleNames[2], "<br>", AsIs,
                 [](const std::string& text) { return TagsToLineBreaks(text).size(); });
    RegisterRule(kRuleNames[3], "<br>", AsIs, [](const std::string& text) {
        std::string copy = text;
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        return copy.size();
    });
    MedianCollector collector;
    collector.SetOutputStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    PrintRows(collector);
    return 0;
}
