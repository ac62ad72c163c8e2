// The selection command against the fake host, and its pass over the items with either matcher.
#include <benchmark/benchmark.h>

#include "bench_panel.h"
#include "host/far2/panel.h"
#include "host/far2/plugin.h"
#include "platform/memory/clipboard.h"
#include "platform/memory/collation.h"
#include "platform/memory/registry.h"
#include "select/mark_items.h"
#include "select/name_index.h"
#include "select/name_parser.h"
#include "support/far2/fake_host.h"

namespace pickwell::bench {
namespace {

struct Module {
    testing::FakeHost host;
    MemoryClipboard clipboard;
    MemoryRegistry registry;
    MemoryCollation collation;
    Platform platform{clipboard, registry, collation};
    far2::Plugin plugin{platform};

    explicit Module(std::size_t items) {
        fill_panel(host.items, items);
        const far2::PluginStartupInfo info = host.startup_info();
        plugin.set_startup_info(&info);
    }

    void run_command() {
        host.calls.clear();
        benchmark::DoNotOptimize(plugin.open_plugin());
    }
};

// The whole command: clipboard, settings, parse, index, pass.
void command(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Module module(size);
    module.clipboard.put_text(names_text(size));
    for (auto _ : state) {
        module.run_command();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(command)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The floor: an empty clipboard, so only the two host calls per item remain.
void command_empty_list(benchmark::State& state) {
    Module module(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        module.run_command();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(command_empty_list)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The pass alone, building its matcher from names parsed beforehand: plain against indexed at
// equal sizes.
template <typename Matcher>
void pass(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    Module module(size);
    const NameList names = parse_names(names_text(size), u"", true);
    far2::HostContext host;
    host.save(module.host.startup_info());
    far2::HostPanel panel(host);
    for (auto _ : state) {
        module.host.calls.clear();
        Matcher matcher(names, CaseRule::Insensitive, module.collation, {u'\\'});
        mark_matching_items(panel, size, matcher, ParentEntry::LikeAnyItem);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(pass<PlainMatcher>)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(pass<IndexedMatcher>)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// Where the indexed command's time goes beyond the floor: building the index, and asking it
// about every item (without the host).
void index_build(benchmark::State& state) {
    const NameList names =
        parse_names(names_text(static_cast<std::size_t>(state.range(0))), u"", true);
    const MemoryCollation collation;
    for (auto _ : state) {
        IndexedMatcher matcher(names, CaseRule::Insensitive, collation, {u'\\'});
        benchmark::DoNotOptimize(&matcher);
    }
}
BENCHMARK(index_build)->Arg(100'000)->Unit(benchmark::kMillisecond);

void index_lookups(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const NameList names = parse_names(names_text(size), u"", true);
    testing::FakeHost host;
    fill_panel(host.items, size);
    const MemoryCollation collation;
    IndexedMatcher matcher(names, CaseRule::Insensitive, collation, {u'\\'});
    for (auto _ : state) {
        std::size_t matches = 0;
        for (const testing::FakeItem& item : host.items) {
            matches += matcher.count_matches({item.name->c_str(), item.short_name->c_str()});
        }
        benchmark::DoNotOptimize(matches);
    }
}
BENCHMARK(index_lookups)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pickwell::bench
