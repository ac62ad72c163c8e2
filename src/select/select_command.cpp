#include "select/select_command.h"

#include <optional>
#include <string>
#include <utility>

#include "select/clipboard_blocks.h"
#include "select/mark_items.h"
#include "select/name_index.h"
#include "select/name_parser.h"

namespace pickwell {
namespace {

// What the clipboard held: text when it had any, otherwise the names of a file-drop list.
struct ClipboardNames {
    std::optional<std::u16string> text;
    NameList files;
};

// On an ordinary file panel only a dropped file's own name is compared; a drive root, or a
// path without a backslash, stays whole. A plug-in panel compares whole paths.
std::u16string name_of_dropped(std::u16string path, bool plugin_panel) {
    const std::size_t backslash = path.rfind(u'\\');
    if (plugin_panel || backslash == std::u16string::npos || backslash + 1 == path.size()) {
        return path;
    }
    return path.substr(backslash + 1);
}

// Takes what the command needs from the clipboard and closes it again; nothing when another
// program holds it.
std::optional<ClipboardNames> take_clipboard(Clipboard& clipboard, bool plugin_panel) {
    const Clipboard::Session session = clipboard.open();
    if (!session) {
        return std::nullopt;
    }
    ClipboardNames taken;
    (void)session.read(ClipboardFormat::UnicodeText, [&](std::span<const std::byte> block) {
        taken.text = text_from_block(block);
    });
    if (!taken.text) {
        const auto decode = [&](std::string_view ansi) { return clipboard.ansi_to_wide(ansi); };
        (void)session.read(ClipboardFormat::FileDrop, [&](std::span<const std::byte> block) {
            for (auto& path : paths_from_drop_block(block, decode)) {
                taken.files.push_back(name_of_dropped(std::move(path), plugin_panel));
            }
        });
    }
    return taken;
}

// The host's batch of selection changes: opened when made, closed and the panel redrawn when it
// goes, on every path out of the command.
class SelectionBatch {
  public:
    explicit SelectionBatch(const HostContext& host) : host_(host) {
        (void)host_.control(host::FCTL_BEGINSELECTION, 0, host::IntPtr{0});
    }
    SelectionBatch(const SelectionBatch&) = delete;
    SelectionBatch& operator=(const SelectionBatch&) = delete;
    ~SelectionBatch() {
        (void)host_.control(host::FCTL_ENDSELECTION, 0, host::IntPtr{0});
        (void)host_.control(host::FCTL_REDRAWPANEL, 0, host::IntPtr{0});
    }

  private:
    const HostContext& host_;
};

NameList names_from_text(std::u16string text, const SettingsKey& settings) {
    const std::u16string separators = settings.read_string(kAddSeparators, u"");
    const bool trim_spaces = settings.read_flag(kTrimSpaces, kTrimSpacesDefault) != 0;
    return parse_names(std::move(text), separators, trim_spaces);
}

}  // namespace

host::Handle run_select_command(const HostContext& host, Platform& platform,
                                const SettingsKeyPath& settings_path) {
    // A host that cannot report the panel leaves the record zeroed: no items to walk.
    host::PanelInfo panel{};
    (void)host.control(host::FCTL_GETPANELINFO, 0, &panel);
    if (panel.PanelType != host::PTYPE_FILEPANEL) {
        return host::kInvalidHandle;
    }
    auto taken = take_clipboard(platform.clipboard, panel.Plugin != 0);
    if (!taken) {
        return host::kInvalidHandle;
    }

    const SettingsKey settings = SettingsKey::open_for_reading(platform.registry, settings_path);
    const NameList names =
        taken->text ? names_from_text(std::move(*taken->text), settings) : std::move(taken->files);
    taken.reset();

    const SelectionBatch batch(host);
    const CaseRule rule = settings.read_flag(kCaseSensitive, kCaseSensitiveDefault) != 0
                              ? CaseRule::Sensitive
                              : CaseRule::Insensitive;
    IndexedMatcher matcher(names, rule, platform.collation);
    mark_matching_items(host, panel.ItemsNumber, matcher);
    return host::kInvalidHandle;
}

}  // namespace pickwell
