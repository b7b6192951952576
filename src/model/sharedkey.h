#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kpd {

// A key text held once, with its hash worked out once. Copies share the text: the mode
// names of the configuration key a record in every parameter of every string set, and a
// name of any length then costs one allocation however many records carry it.
class SharedKey {
public:
    SharedKey() : SharedKey(std::string()) {}
    SharedKey(std::string text) : data_(std::make_shared<const Data>(std::move(text))) {}

    const std::string& text() const { return data_->text; }
    std::size_t hash() const { return data_->hash; }
    operator const std::string&() const { return data_->text; }

    static std::size_t hashOf(std::string_view text) { return std::hash<std::string_view>()(text); }

private:
    struct Data {
        explicit Data(std::string t) : text(std::move(t)), hash(hashOf(text)) {}
        std::string text;
        std::size_t hash;
    };

    std::shared_ptr<const Data> data_;
};

} // namespace kpd
