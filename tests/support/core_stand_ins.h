// The core's services played without any host: a panel of names, a clipboard with text or
// copied files, settings in a map, the module's English texts, and a report view that records
// what it is shown and closes lists as told.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/active_panel.h"
#include "core/clipboard_source.h"
#include "core/messages.h"
#include "core/report_view.h"
#include "core/settings_store.h"

namespace pickwell::testing {

// A file panel of these names; each item marked once per select().
class ListPanel final : public ActivePanel {
  public:
    explicit ListPanel(std::vector<std::u16string> names = {}) : names_(std::move(names)) {}

    bool file_panel = true;
    std::vector<int> marks;  // per item, how often it was marked

    PanelFacts facts() override { return {file_panel, false, file_panel ? names_.size() : 0}; }
    std::optional<ItemNames> item(std::size_t index) override {
        return ItemNames{names_.at(index).c_str(), u""};
    }
    void begin_selection() override { marks.assign(names_.size(), 0); }
    void select(std::size_t index) override { ++marks.at(index); }
    void end_selection() override {}
    void redraw() override {}

    // The items marked at least once.
    std::vector<std::u16string> selected() const;

  private:
    std::vector<std::u16string> names_;
};

// A clipboard that holds `content`, or that another program holds when it holds nothing.
class FixedClipboard final : public ClipboardSource {
  public:
    std::optional<ClipboardContent> content = ClipboardContent{};

    std::optional<ClipboardContent> take() override { return content; }
};

// Settings by name; missing ones read as nothing stored.
class MapSettings final : public SettingsStore {
  public:
    std::map<std::u16string, std::int64_t> numbers;
    std::map<std::u16string, std::u16string> texts;

    std::unique_ptr<SettingsReading> open_for_reading() override;
    std::unique_ptr<SettingsWriting> open_for_writing() override;
};

// The texts of the module's English language file.
class EnglishTexts final : public MessageTexts {
  public:
    const char16_t* text(Message id) override;
};

// Records what it is shown; closes each list as the next entry of `answers` says (Enter when
// there are none left) and puts what it is told to copy into `copied`, or refuses to.
class RecordingView final : public ReportView {
  public:
    struct Shown {
        std::u16string title;
        std::u16string bottom;  // lists only
        std::vector<std::u16string> lines;
        bool warning = false;  // messages only
        bool list = false;
        std::size_t selected = 0;
    };

    std::vector<Shown> shown;
    std::deque<ListClosed> answers;
    std::vector<std::u16string> copied;
    bool clipboard_held = false;
    std::deque<bool> held_at_copy;  // for each copy in turn; after them, `clipboard_held`
    std::size_t width = 72;

    void show_message(std::u16string_view title, std::span<const std::u16string> lines,
                      bool warning) override;
    ListClosed show_list(std::u16string_view title, std::u16string_view bottom,
                         std::span<const std::u16string> lines, std::size_t selected) override;
    std::size_t list_width() const override { return width; }
    bool copy_text(std::u16string_view text) override;
    std::u16string_view line_break() const override { return u"\r\n"; }
};

}  // namespace pickwell::testing
