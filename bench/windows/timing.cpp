// Times the real DLL's command beside the match rule as written, in one process under Wine:
//
//   pickwell_timing [--far3] [--dll PATH] [ITEMS-AND-NAMES]
//
// It plays Far 2 with the Pickwell.dll beside it, or with --far3 Far 3 with far3\Pickwell.dll.
// The panel and the clipboard text are those of the native benchmarks (half the names name an
// item in another case). Prints the medians of the command, of the command with an empty
// clipboard (the cost of the host calls alone), and the time of the plain rule.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_panel.h"
#include "far2/wine/host_session.h"
#include "far3/wine/host_session.h"
#include "windows/plain_rule.h"
#include "windows/program_main.h"
#include "windows/real_clipboard.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The median of five runs of the command, in seconds; false when it selected wrongly.
double median_command(wine_test::CommandSession& session, const std::vector<int>& expected,
                      bool& right) {
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        const std::vector<int> counts = session.run_command();
        times.push_back(seconds_since(start));
        right = right && counts == expected;
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring dll;
    bool far3 = false;
    std::size_t size = 20'000;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--dll" && i + 1 < argc) {
            dll = argv[++i];
        } else if (std::wstring(argv[i]) == L"--far3") {
            far3 = true;
        } else {
            size = static_cast<std::size_t>(std::wcstoul(argv[i], nullptr, 10));
        }
    }
    if (dll.empty()) {
        dll = wine_test::next_to_this_program(far3 ? L"far3\\Pickwell.dll" : L"Pickwell.dll");
    }
    std::unique_ptr<wine_test::CommandSession> session;
    if (far3) {
        wine_test::load_far3_plugin(dll);
        session = std::make_unique<wine_test::Far3Session>();
    } else {
        wine_test::load_plugin(dll);
        session = std::make_unique<wine_test::HostSession>("timing");
    }

    pickwell::bench::fill_panel(session->items(), size);
    const std::u16string text = pickwell::bench::names_text(size);
    std::vector<std::u16string> names;
    for (std::size_t start = 0, end; (end = text.find(u"\r\n", start)) != std::u16string::npos;
         start = end + 2) {
        names.push_back(text.substr(start, end - start));
    }

    std::printf("%zu items x %zu names\n", size, names.size());
    const auto plain_start = Clock::now();
    const std::vector<int> expected = wine_test::plain_counts(
        session->items(), names, false, far3 ? wine_test::Module::Far3 : wine_test::Module::Far2);
    const double plain = seconds_since(plain_start);

    bool right = true;
    wine_test::put_on_clipboard({wine_test::text_block(text)});
    const double command = median_command(*session, expected, right);
    wine_test::put_on_clipboard({});
    const double floor = median_command(*session, std::vector<int>(size, 0), right);

    std::printf("DLL command, median of 5:       %10.4f s\n", command);
    std::printf("DLL command, empty clipboard:   %10.4f s\n", floor);
    std::printf("plain rule (lstrcmpiW), 1 run:  %10.4f s\n", plain);
    std::printf("plain / DLL:                    %10.0f x\n", plain / command);
    std::printf("DLL / empty clipboard:          %10.2f x\n", command / floor);
    if (!right) {
        std::printf("the DLL selected other items than the plain rule\n");
        return 1;
    }
    return 0;
}
