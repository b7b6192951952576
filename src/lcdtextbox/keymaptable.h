#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

// A chained hash table whose iteration order is part of the key map file: entries are
// visited bucket by bucket in ascending order, each chain from its front, and a new key
// goes to the front of its chain while an existing key keeps its place.
template <typename K, typename V, std::size_t Buckets>
class KeymapTable {
public:
    using Entry = std::pair<K, V>;

    KeymapTable() : m_chains(Buckets) {}

    static std::size_t bucketOf(K key) { return (static_cast<std::size_t>(key) / 16) % Buckets; }

    std::optional<V> find(K key) const
    {
        for (const Entry& e : m_chains[bucketOf(key)])
            if (e.first == key) return e.second;
        return std::nullopt;
    }

    bool contains(K key) const { return find(key).has_value(); }

    void set(K key, V value)
    {
        auto& chain = m_chains[bucketOf(key)];
        for (Entry& e : chain)
            if (e.first == key) {
                e.second = value;
                return;
            }
        chain.insert(chain.begin(), Entry{key, value});
        ++m_size;
    }

    bool remove(K key)
    {
        auto& chain = m_chains[bucketOf(key)];
        for (auto it = chain.begin(); it != chain.end(); ++it)
            if (it->first == key) {
                chain.erase(it);
                --m_size;
                return true;
            }
        return false;
    }

    std::size_t size() const { return m_size; }

    // Calls f(key, value) for every entry in file order.
    template <typename F>
    void forEach(F&& f) const
    {
        for (const auto& chain : m_chains)
            for (const Entry& e : chain) f(e.first, e.second);
    }

private:
    std::vector<std::vector<Entry>> m_chains;
    std::size_t m_size = 0;
};
