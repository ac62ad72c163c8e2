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

NameList names_from_text(std::u16string text, SettingsReading& settings) {
    const std::u16string separators = settings.text(kAddSeparators).value_or(u"");
    const bool trim_spaces = settings.number(kTrimSpaces).value_or(kTrimSpacesDefault) != 0;
    return parse_names(std::move(text), separators, trim_spaces);
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

}  // namespace

std::optional<std::size_t> run_select_command(const CommandServices& services) {
    const PanelFacts panel = services.panel.facts();
    if (!panel.file_panel) {
        return std::nullopt;
    }
    auto taken = services.clipboard.take();
    if (!taken) {
        return std::nullopt;
    }

    const auto settings = services.settings.open_for_reading();
    const NameList names = taken->text ? names_from_text(std::move(*taken->text), *settings)
                                       : names_of_files(std::move(taken->paths), panel.plugin_panel,
                                                        services.path_separator);
    taken.reset();

    const SelectionBatch batch(services.panel);
    const CaseRule rule = settings->number(kCaseSensitive).value_or(kCaseSensitiveDefault) != 0
                              ? CaseRule::Sensitive
                              : CaseRule::Insensitive;
    IndexedMatcher matcher(names, rule, services.collation, services.path_separator);
    return mark_matching_items(services.panel, panel.items, matcher);
}

}  // namespace pickwell
