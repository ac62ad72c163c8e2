#include "select/name_list.h"

#include <algorithm>
#include <utility>

namespace pickwell {

NameList::NameList(std::initializer_list<std::u16string_view> names) {
    for (const std::u16string_view name : names) {
        push_back(name);
    }
}

NameList NameList::cut_from(std::u16string text, std::vector<Span> spans) {
    NameList list;
    list.buffer_ = std::move(text);
    list.spans_ = std::move(spans);
    for (const Span& span : list.spans_) {
        // At the very end this is the string's own terminator, which may be written with NUL.
        list.buffer_.data()[span.start + span.length] = u'\0';
    }
    return list;
}

void NameList::push_back(std::u16string_view name) {
    const std::size_t start = buffer_.size();
    buffer_.append(name);
    buffer_.push_back(u'\0');
    spans_.push_back({start, name.size()});
}

bool operator==(const NameList& a, const NameList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace pickwell
