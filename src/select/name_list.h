// The candidate names of one command.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// Names in the order they were found, duplicates included, never an empty one. They live in
// one buffer that the list owns, each followed by a NUL, so `data()` of any name is a C string
// that stays valid as long as the list is not changed.
class NameList {
  public:
    // Where a name stands in the buffer.
    struct Span {
        std::size_t start;
        std::size_t length;
    };

    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::u16string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::u16string_view;

        Iterator() = default;
        Iterator(const NameList& list, std::size_t index) : list_(&list), index_(index) {}
        std::u16string_view operator*() const { return (*list_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

      private:
        const NameList* list_ = nullptr;
        std::size_t index_ = 0;
    };

    NameList() = default;
    NameList(std::initializer_list<std::u16string_view> names);

    // The names standing at `spans` of `text`, cut out where they stand: a NUL is written right
    // after each, so no span may hold another's end.
    static NameList cut_from(std::u16string text, std::vector<Span> spans);

    // Appends a copy of `name`, which must not be empty; it may be one of the list's own.
    void push_back(std::u16string_view name);
    // Drops the names `drop` is true of; the others keep their order and their place in the
    // buffer.
    template <typename Predicate>
    void erase_if(Predicate drop) {
        std::erase_if(spans_, [&](const Span& span) {
            return drop(std::u16string_view(buffer_.data() + span.start, span.length));
        });
    }

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::u16string_view operator[](std::size_t index) const {
        return {buffer_.data() + spans_[index].start, spans_[index].length};
    }
    // Where a name starts in the buffer, and the name that starts there: a smaller handle on a
    // name than a pointer.
    std::size_t start_of(std::size_t index) const { return spans_[index].start; }
    const char16_t* text_at(std::size_t start) const { return buffer_.data() + start; }
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

    friend bool operator==(const NameList& a, const NameList& b);

  private:
    std::u16string buffer_;
    std::vector<Span> spans_;
};

}  // namespace pickwell
