#include "report/report_command.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "report/not_found_list.h"

namespace pickwell {
namespace {

class Report {
  public:
    Report(ReportView& view, MessageTexts& texts)
        : view_(view), texts_(texts), title_(text(Message::PluginName)) {}

    void failed(Message why) {
        const std::vector<std::u16string> lines = {text(why)};
        view_.show_message(title_, lines, true);
    }

    void all_found(const SelectionReport& report) {
        const std::size_t names = report.tally.distinct;
        const std::u16string found = names == 1 ? text(Message::TheNameFound)
                                                : with_numbers(text(Message::AllNamesFound), names);
        const std::u16string selected =
            report.marked == 1 ? text(Message::OneItemSelected)
                               : with_numbers(text(Message::ItemsSelected), report.marked);
        const std::vector<std::u16string> lines = {found + u"; " + selected + u"."};
        view_.show_message(title_, lines, false);
    }

    // Shows the list until it is closed; each copy key puts it on the clipboard and shows it
    // again where it was.
    void not_found(const SelectionReport& report) {
        const std::vector<std::size_t>& missing = report.tally.not_found;
        const std::u16string title =
            report.tally.distinct == 1
                ? text(Message::TheNameNotFound)
                : with_numbers(text(Message::NamesNotFound), missing.size(), report.tally.distinct);
        const std::vector<std::u16string> lines = shown_lines(report);
        std::u16string bottom = text(Message::ListKeys);
        for (std::size_t selected = 0;;) {
            const ListClosed closed = view_.show_list(title, bottom, lines, selected);
            if (!closed.copy) {
                return;
            }
            selected = closed.line;
            const ParserText copy = text_for_parser(report.names, missing, report.separators,
                                                    report.trim_spaces, view_.line_break());
            // A copy of no name leaves the clipboard as it was.
            if (copy.text.empty() || view_.copy_text(copy.text)) {
                bottom = copy.left_out == 0 ? text(Message::ListCopied)
                         : copy.left_out == 1
                             ? text(Message::ListCopiedWithoutOne)
                             : with_numbers(text(Message::ListCopiedWithout), copy.left_out);
            } else {
                failed(Message::ListNotCopied);
                bottom = text(Message::ListKeys);
            }
        }
    }

  private:
    std::u16string text(Message id) {
        const char16_t* text = texts_.text(id);
        return text != nullptr ? text : u"";
    }

    std::vector<std::u16string> shown_lines(const SelectionReport& report) {
        const std::vector<std::size_t>& missing = report.tally.not_found;
        const std::size_t shown = std::min(missing.size(), kNamesShown);
        const std::size_t width = view_.list_width();
        std::vector<std::u16string> lines;
        lines.reserve(shown + 1);
        for (std::size_t i = 0; i < shown; ++i) {
            lines.push_back(shown_name(report.names[missing[i]], width));
        }
        if (shown < missing.size()) {
            lines.push_back(with_numbers(text(Message::MoreNotShown), missing.size() - shown));
        }
        return lines;
    }

    ReportView& view_;
    MessageTexts& texts_;
    std::u16string title_;
};

}  // namespace

void run_report_command(const CommandServices& services, ReportView& view, MessageTexts& texts) {
    Report report(view, texts);
    auto outcome = run_select_command_with_report(services);
    if (const auto* failure = std::get_if<CommandFailure>(&outcome)) {
        report.failed(*failure == CommandFailure::NotFilePanel ? Message::NotFilePanel
                                                               : Message::ClipboardHeld);
        return;
    }
    const auto& selection = std::get<SelectionReport>(outcome);
    if (selection.names.empty()) {
        report.failed(Message::NoNames);
    } else if (selection.tally.not_found.empty()) {
        report.all_found(selection);
    } else {
        report.not_found(selection);
    }
}

}  // namespace pickwell
