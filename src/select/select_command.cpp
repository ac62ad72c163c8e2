#include "select/select_command.h"

#include <string>
#include <utility>

#include "core/settings.h"
#include "select/mark_items.h"
#include "select/name_index.h"
#include "select/name_parser.h"

namespace pickwell {
namespace {

// On an ordinary file panel only a copied file's own name is compared; a root, or a path
// without a separator, stays whole. A plug-in panel compares whole paths.
std::u16string name_of_copied(std::u16string path, bool plugin_panel, char16_t separator) {
    const std::size_t last = path.rfind(separator);
    if (plugin_panel || last == std::u16string::npos || last + 1 == path.size()) {
        return path;
    }
    return path.substr(last + 1);
}

NameList names_of_files(std::vector<std::u16string> paths, bool plugin_panel, char16_t separator) {
    NameList names;
    for (auto& path : paths) {
        if (!path.empty()) {
            names.push_back(name_of_copied(std::move(path), plugin_panel, separator));
        }
    }
    return names;
}

// The settings the clipboard's text is read with.
struct TextSettings {
    std::u16string separators;
    bool trim_spaces;
};
TextSettings text_settings(SettingsReading& settings) {
    return {settings.text(kAddSeparators).value_or(u""),
            settings.number(kTrimSpaces).value_or(kTrimSpacesDefault) != 0};
}

// The host's batch of selection changes: opened when made, closed and the panel redrawn when it
// goes, on every path out of the command.
class SelectionBatch {
  public:
    explicit SelectionBatch(ActivePanel& panel) : panel_(panel) { panel_.begin_selection(); }
    SelectionBatch(const SelectionBatch&) = delete;
    SelectionBatch& operator=(const SelectionBatch&) = delete;
    ~SelectionBatch() {
        panel_.end_selection();
        panel_.redraw();
    }

  private:
    ActivePanel& panel_;
};

// The command's one algorithm. Given a `report`, the index also notes which names matched, and
// the report receives the names and what became of them.
std::variant<std::size_t, CommandFailure> run(const CommandServices& services,
                                              SelectionReport* report) {
    const PanelFacts panel = services.panel.facts();
    if (!panel.file_panel) {
        return CommandFailure::NotFilePanel;
    }
    auto taken = services.clipboard.take();
    if (!taken) {
        return CommandFailure::ClipboardHeld;
    }

    const auto settings = services.settings.open_for_reading();
    // A report's copy is read back as text, with the text settings, whatever the names came from.
    const TextSettings text =
        taken->text || report != nullptr ? text_settings(*settings) : TextSettings{u"", true};
    // A file panel looks a text's full paths up by their file names; a copied file's name is
    // taken already, and a plug-in panel compares whole paths.
    const PathSyntax paths = {services.path_separator, taken->text && !panel.plugin_panel
                                                           ? services.full_path_root
                                                           : nullptr};
    NameList names;
    if (taken->text) {
        names = parse_names(std::move(*taken->text), text.separators, text.trim_spaces);
    } else {
        names =
            names_of_files(std::move(taken->paths), panel.plugin_panel, services.path_separator);
    }
    taken.reset();
    if (services.parent_entry == ParentEntry::NeverSelected) {
        names.erase_if(names_a_folders_own_entry);
    }

    const SelectionBatch batch(services.panel);
    const CaseRule rule = settings->number(kCaseSensitive).value_or(kCaseSensitiveDefault) != 0
                              ? CaseRule::Sensitive
                              : CaseRule::Insensitive;
    IndexedMatcher matcher(names, rule, services.collation, paths,
                           report != nullptr ? NameTracking::On : NameTracking::Off);
    const std::size_t marked =
        mark_matching_items(services.panel, panel.items, matcher, services.parent_entry);
    if (report != nullptr) {
        report->marked = marked;
        report->tally = matcher.tally();
        report->names = std::move(names);
        report->separators = text.separators;
        report->trim_spaces = text.trim_spaces;
    }
    return marked;
}

}  // namespace

std::optional<std::size_t> run_select_command(const CommandServices& services) {
    const auto outcome = run(services, nullptr);
    if (const auto* marked = std::get_if<std::size_t>(&outcome)) {
        return *marked;
    }
    return std::nullopt;
}

std::variant<SelectionReport, CommandFailure> run_select_command_with_report(
    const CommandServices& services) {
    SelectionReport report;
    const auto outcome = run(services, &report);
    if (const auto* failure = std::get_if<CommandFailure>(&outcome)) {
        return *failure;
    }
    return report;
}

}  // namespace pickwell
