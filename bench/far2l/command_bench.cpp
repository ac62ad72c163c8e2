// The selection command through the far2l adapter: the fake far2l host's packed records and
// UTF-32 names, the in-memory far2l clipboard and far2l's comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "host/far2l/plugin.h"
#include "platform/far2l/collation.h"
#include "platform/memory/far2l/clipboard.h"
#include "support/colliding_names.h"
#include "support/far2l/fake_host.h"

namespace pickwell::bench {
namespace {

std::u32string numbered(const char* format, std::size_t number) {
    char text[64];
    std::snprintf(text, sizeof text, format, number);
    return {text, text + std::char_traits<char>::length(text)};
}

struct Far2lModule {
    testing::Far2lFakeHost host;
    MemoryWinPortClipboard clipboard;
    Far2lCollation collation;
    // No profile: the settings read as the defaults without a file to open.
    far2l::Plugin plugin{{clipboard, collation, [] { return std::optional<std::string>(); }}};

    explicit Far2lModule(std::size_t items) {
        // As the Far 2 benchmark: items named like files of a big folder.
        for (std::size_t i = 0; i < items; ++i) {
            host.items.push_back(
                {numbered("Measurement %06zu of the day.csv", i), std::nullopt, false});
        }
        host.start([&](const void* info) { plugin.set_startup_info(info); });
    }

    // The first menu entry, or the second, which also tells what became of the names.
    void run_command(int entry = 0) {
        host.calls.clear();
        host.menus.clear();
        host.copied.clear();
        benchmark::DoNotOptimize(plugin.open_plugin(entry));
    }

    // The entry run on the clipboard as it is, once per iteration of `state`.
    void measure(benchmark::State& state, int entry = 0) {
        for (auto _ : state) {
            run_command(entry);
        }
        state.SetItemsProcessed(state.iterations() * state.range(0));
    }
};

// Every other name names an item in another case, the rest name nothing there.
std::u32string far2l_names_text(std::size_t count) {
    std::u32string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += i % 2 == 0 ? numbered("MEASUREMENT %06zu OF THE DAY.CSV", i)
                           : numbered("Missing %06zu.csv", i);
        text += U"\n";
    }
    return text;
}

void far2l_command(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Far2lModule module(size);
    module.clipboard.put_text(far2l_names_text(size));
    module.measure(state);
}
BENCHMARK(far2l_command)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The floor: an empty clipboard, so only the host calls and each name's conversion remain.
void far2l_command_empty_list(benchmark::State& state) {
    Far2lModule module(static_cast<std::size_t>(state.range(0)));
    module.measure(state);
}
BENCHMARK(far2l_command_empty_list)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A clipboard of names none of which is on the panel.
std::u32string far2l_missing_text(std::size_t count) {
    std::u32string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += numbered("Missing %06zu.csv", i) + U"\n";
    }
    return text;
}

// Every name missing: the command alone, then the second entry, whose list the user closes at
// once or after copying it (all names).
void far2l_all_missing(benchmark::State& state, int entry, bool copy) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Far2lModule module(size);
    module.clipboard.put_text(far2l_missing_text(size));
    for (auto _ : state) {
        if (copy) {
            module.host.menu_answers = {testing::Far2lMenuAnswer::break_key(0)};
        }
        module.run_command(entry);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(far2l_all_missing, command, 0, false)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_all_missing, report, 1, false)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_all_missing, report_and_copy, 1, true)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// The names of far2l_command as the output of `find "$PWD"` gives them: each a full path, every
// tenth a folder given with its slash; or, to compare, the same names alone.
void far2l_found(benchmark::State& state, int entry, bool full_paths) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Far2lModule module(size);
    std::u32string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += full_paths ? U"/home/user/data/2024/" : U"";
        text += i % 2 == 0 ? numbered("MEASUREMENT %06zu OF THE DAY.CSV", i)
                           : numbered("Missing %06zu.csv", i);
        text += full_paths && i % 10 == 1 ? U"/\n" : U"\n";
    }
    module.clipboard.put_text(text);
    module.measure(state, entry);
}
BENCHMARK_CAPTURE(far2l_found, command_of_full_paths, 0, true)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_found, report_of_names, 1, false)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_found, report_of_full_paths, 1, true)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// The same, with a clipboard crafted against the index, none of its names on the panel: names
// that all share one key hash under far2l's comparison without case, or (`crowding`) names whose
// key hashes would share their low bits, were the hash the same in every process.
void far2l_crafted(benchmark::State& state, int entry, bool crowding) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Far2lModule module(size);
    std::u32string text;
    const auto crafted = crowding ? testing::crowding_names : testing::colliding_names;
    for (const std::u16string& name : crafted(module.collation, CaseRule::Insensitive, size)) {
        text.append(name.begin(), name.end());  // each unit a character of its own
        text += U"\n";
    }
    module.clipboard.put_text(text);
    module.measure(state, entry);
}
void far2l_colliding(benchmark::State& state, int entry) {
    far2l_crafted(state, entry, false);
}
void far2l_crowding(benchmark::State& state, int entry) {
    far2l_crafted(state, entry, true);
}
BENCHMARK_CAPTURE(far2l_colliding, command, 0)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_colliding, report, 1)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(far2l_crowding, command, 0)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pickwell::bench
