// The clipboard text parser on 10 MB of UTF-16 text.
#include <benchmark/benchmark.h>

#include "select/name_parser.h"

namespace pickwell::bench {
namespace {

// About 10 MB: quoted and unquoted names with spaces to trim, separated by line breaks and ';'.
std::u16string ten_megabytes() {
    const std::u16string lines[] = {u"  report 2024 final.txt  \r\n", u"\"my file;1.txt\";",
                                    u"a;b;c;\r\n", u"\u041F\u0440\u0438\u0432\u0435\u0442.doc\n"};
    std::u16string text;
    for (std::size_t i = 0; text.size() * sizeof(char16_t) < 10'000'000; ++i) {
        text += lines[i % 4];
    }
    return text;
}

// Arg: how many extra separators the user set; membership must cost the same for any number.
void parse(benchmark::State& state) {
    const std::u16string text = ten_megabytes();
    std::u16string separators = u";";
    for (char16_t c = 0x2000; separators.size() < static_cast<std::size_t>(state.range(0)); ++c) {
        separators += c;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(parse_names(text, separators, true));
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}
BENCHMARK(parse)->Arg(1)->Arg(4'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pickwell::bench
