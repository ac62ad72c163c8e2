// One line of the list of names not found, for a name far longer than the list is wide.
#include <benchmark/benchmark.h>

#include <string>

#include "report/not_found_list.h"

namespace pickwell::bench {
namespace {

// Arg: the name's length; each of its characters shows as a number eight characters wide.
void shown_name_of_a_long_name(benchmark::State& state) {
    const std::u16string name(static_cast<std::size_t>(state.range(0)), u'\u0085');
    for (auto _ : state) {
        benchmark::DoNotOptimize(shown_name(name, 72));
    }
}
BENCHMARK(shown_name_of_a_long_name)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pickwell::bench
