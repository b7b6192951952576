#pragma once

#include "modelerror.h"
#include "sharedkey.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kpd {

// Unique string keys in insertion order, with a hash index for constant-time lookups
// and a cursor for stepping through the items with wrap-around. An item is either
// owned by the collection or shared with another one (the trips menu holds the very
// parameters that their home menus own). Keys are shared, not copied: a SharedKey given
// to Add is held as it is, and the index works from its stored hash.
template <typename T>
class KeyedCollection {
    struct Entry {
        SharedKey key;
        T* item;
        std::unique_ptr<T> owned;
    };
    using Entries = std::vector<Entry>;

    // The index looks at the entries' own texts; a lookup hashes the text it is given once.
    struct KeyView {
        std::string_view text;
        std::size_t hash;
        static KeyView of(const SharedKey& key) { return {key.text(), key.hash()}; }
        static KeyView lookup(std::string_view key) { return {key, SharedKey::hashOf(key)}; }
        bool operator==(const KeyView& other) const
        {
            return hash == other.hash && (text.data() == other.text.data() ? text.size() == other.text.size()
                                                                          : text == other.text);
        }
    };
    struct KeyViewHash {
        std::size_t operator()(const KeyView& key) const { return key.hash; }
    };

public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        explicit Iterator(typename Entries::const_iterator it) : it_(it) {}
        T& operator*() const { return *it_->item; }
        T* operator->() const { return it_->item; }
        Iterator& operator++() { ++it_; return *this; }
        Iterator operator++(int) { Iterator old = *this; ++it_; return old; }
        bool operator==(const Iterator& other) const { return it_ == other.it_; }

    private:
        typename Entries::const_iterator it_;
    };

    KeyedCollection() = default;
    KeyedCollection(const KeyedCollection&) = delete;
    KeyedCollection& operator=(const KeyedCollection&) = delete;
    KeyedCollection(KeyedCollection&&) noexcept = default;
    KeyedCollection& operator=(KeyedCollection&&) noexcept = default;

    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

    T& Item(const std::string& key) const
    {
        const auto found = index_.find(KeyView::lookup(key));
        if (found == index_.end())
            throw ModelError(ModelError::SubscriptOutOfRange, "No item with the key \"" + key + "\"");
        return *entries_[found->second].item;
    }

    // 1-based position, as the collection has always been addressed.
    T& Item(std::int32_t position) const
    {
        return *entries_[checkedIndex(position)].item;
    }

    // A shared key is found without hashing its text again.
    T& Item(const SharedKey& key) const
    {
        const auto found = index_.find(KeyView::of(key));
        if (found == index_.end())
            throw ModelError(ModelError::SubscriptOutOfRange, "No item with the key \"" + key.text() + "\"");
        return *entries_[found->second].item;
    }

    T* find(const std::string& key) const
    {
        const auto found = index_.find(KeyView::lookup(key));
        return found == index_.end() ? nullptr : entries_[found->second].item;
    }

    T* find(const SharedKey& key) const
    {
        const auto found = index_.find(KeyView::of(key));
        return found == index_.end() ? nullptr : entries_[found->second].item;
    }

    bool keyExists(const std::string& key) const { return index_.count(KeyView::lookup(key)) != 0; }

    // Removing leaves the cursor where it was; the next step wraps it back into range.
    void Remove(const std::string& key)
    {
        const auto found = index_.find(KeyView::lookup(key));
        if (found == index_.end())
            throw ModelError(ModelError::SubscriptOutOfRange, "No item with the key \"" + key + "\"");
        eraseAt(found->second);
    }

    void Remove(std::int32_t position) { eraseAt(checkedIndex(position)); }

    // The key at a 0-based position; past the last key this is the empty spare slot.
    const std::string& keyAt(std::int32_t index) const
    {
        static const std::string spare;
        return index >= 0 && index < Count() ? entries_[index].key.text() : spare;
    }

    std::vector<std::string> keys() const
    {
        std::vector<std::string> result;
        result.reserve(entries_.size());
        for (const Entry& e : entries_) result.push_back(e.key.text());
        return result;
    }

    void locate(const std::string& key)
    {
        const auto found = index_.find(KeyView::lookup(key));
        cursor_ = found == index_.end() ? -1 : static_cast<std::int32_t>(found->second);
    }

    std::int32_t cursor() const { return cursor_; }

    Iterator begin() const { return Iterator(entries_.cbegin()); }
    Iterator end() const { return Iterator(entries_.cend()); }

protected:
    using SkipTest = std::function<bool(const T&)>;

    T& appendOwned(const SharedKey& key, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        append(key, raw, std::move(item));
        return *raw;
    }

    T& appendShared(const SharedKey& key, T& item)
    {
        append(key, &item, nullptr);
        return item;
    }

    // One step forward with wrap-around, passing over the items that skip() names.
    T& stepNext(const SkipTest& skip = {})
    {
        return step(+1, skip);
    }

    T& stepLast(const SkipTest& skip = {})
    {
        return step(-1, skip);
    }

    // Puts the items in a new order given as a permutation of the current one.
    template <typename Less>
    void stableReorder(Less less)
    {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [&](const Entry& a, const Entry& b) { return less(*a.item, *b.item); });
        reindexFrom(0);
        cursor_ = 0;
    }

private:
    std::size_t checkedIndex(std::int32_t position) const
    {
        if (position < 1 || position > Count())
            throw ModelError(ModelError::SubscriptOutOfRange,
                             "Position " + std::to_string(position) + " is out of range");
        return static_cast<std::size_t>(position - 1);
    }

    void append(const SharedKey& key, T* item, std::unique_ptr<T> owned)
    {
        if (index_.count(KeyView::of(key)) != 0)
            throw ModelError(ModelError::DuplicateKey, "The key \"" + key.text() + "\" is already in use");
        entries_.push_back(Entry{key, item, std::move(owned)});
        index_.emplace(KeyView::of(entries_.back().key), entries_.size() - 1);
    }

    void eraseAt(std::size_t index)
    {
        index_.erase(KeyView::of(entries_[index].key));
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        reindexFrom(index);
    }

    void reindexFrom(std::size_t first)
    {
        for (std::size_t i = first; i < entries_.size(); ++i) index_[KeyView::of(entries_[i].key)] = i;
    }

    T& step(int direction, const SkipTest& skip)
    {
        const std::int32_t count = Count();
        if (count == 0)
            throw ModelError(ModelError::SubscriptOutOfRange, "There is nothing to step through");
        // One full round at most: a collection whose items are all skipped has no answer.
        for (std::int32_t tries = 0; tries < count; ++tries) {
            cursor_ += direction;
            if (cursor_ >= count) cursor_ = direction > 0 ? 0 : count - 1;
            if (cursor_ < 0) cursor_ = count - 1;
            T& item = *entries_[static_cast<std::size_t>(cursor_)].item;
            if (!skip || !skip(item)) return item;
        }
        throw ModelError(ModelError::InvalidCall, "Every item is skipped");
    }

    Entries entries_;
    std::unordered_map<KeyView, std::size_t, KeyViewHash> index_;
    std::int32_t cursor_ = 0;
};

} // namespace kpd
